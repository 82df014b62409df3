#include "app/home_folder.h"

#include "app/settings_files.h"

#include <cstdlib>
#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

namespace {

// Placeholders that keep empty folders in the repository; a user's home has no use for them.
bool IsPlaceholder(const fs::path& p) {
    return p.filename() == ".keep";
}

bool Fail(std::string& error, const std::string& what, const fs::path& p, const std::error_code& ec) {
    error = what + " " + p.string() + (ec ? ": " + ec.message() : std::string());
    return false;
}

bool MakeFolder(const fs::path& p, std::string& error) {
    std::error_code ec;
    fs::create_directories(p, ec);
    if (ec || !fs::is_directory(p, ec)) return Fail(error, "cannot create the folder", p, ec);
    return true;
}

// Copies one file unless the target exists; the copy is made writable so the program can rewrite it even
// when the template was installed read-only.
bool CopyIfMissing(const fs::path& from, const fs::path& to, std::string& error) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(to, ec))) return true;
    fs::copy_file(from, to, fs::copy_options::skip_existing, ec);
    if (ec) return Fail(error, "cannot copy " + from.string() + " to", to, ec);
    fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    return true;
}

// Every folder and file of the template that the home folder lacks. A home placed inside the template is
// not walked into, or the copy would chase its own tail.
bool CopyTreeIfMissing(const fs::path& templateDir, const fs::path& home, std::string& error) {
    std::error_code ec;
    const fs::path homeItself = fs::weakly_canonical(home, ec);
    fs::recursive_directory_iterator it(templateDir, ec), end;
    if (ec) return Fail(error, "cannot read the default home folder", templateDir, ec);
    for (; it != end; it.increment(ec)) {
        if (ec) return Fail(error, "cannot read the default home folder", templateDir, ec);
        if (fs::weakly_canonical(it->path(), ec) == homeItself) {
            it.disable_recursion_pending();
            continue;
        }
        const fs::path target = home / fs::relative(it->path(), templateDir, ec);
        if (ec) return Fail(error, "cannot read the default home folder", templateDir, ec);
        if (it->is_directory(ec)) {
            if (!MakeFolder(target, error)) return false;
        } else if (it->is_regular_file(ec) && !IsPlaceholder(it->path())) {
            if (!CopyIfMissing(it->path(), target, error)) return false;
        }
    }
    return true;
}

// A one-line settings file always holds its line: an empty one is what a first start that failed while
// copying (a full disk) leaves behind, and it would stay empty for good.
bool LeftEmpty(const fs::path& from, const fs::path& to) {
    const SettingsFile* file = FindSettingsFile(to.filename().string());
    if (!file || file->Kind != SettingsKind::Line) return false;
    std::error_code ec;
    const auto size = fs::file_size(to, ec);
    if (ec || size != 0 || !fs::is_regular_file(fs::symlink_status(to, ec))) return false;
    const auto shipped = fs::file_size(from, ec);
    return !ec && shipped > 0;
}

// The settings files of the template that CFG/ lacks, so an update's new settings reach an old home and a
// settings file deleted by hand comes back with its default; one left empty gets its default back too.
bool CopyMissingSettings(const fs::path& templateDir, const fs::path& home, std::string& error) {
    std::error_code ec;
    const fs::path from = templateDir / "CFG";
    if (!fs::is_directory(from, ec)) return true;
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || IsPlaceholder(it->path())) continue;
        const fs::path target = home / "CFG" / it->path().filename();
        std::error_code removed;
        if (LeftEmpty(it->path(), target)) fs::remove(target, removed);
        if (!CopyIfMissing(it->path(), target, error)) return false;
    }
    if (ec) return Fail(error, "cannot read the default settings in", from, ec);
    return true;
}

} // namespace

fs::path ShippedHomeTemplate() {
    return VELMORA_HOME_TEMPLATE;
}

HomeEnvironment HomeEnvironment::FromProcess() {
    HomeEnvironment env;
    std::error_code ec;
    env.CurrentDirectory = fs::current_path(ec);
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) env.XdgDataHome = xdg;
    if (const char* home = std::getenv("HOME")) env.UserHome = home;
    return env;
}

std::optional<HomeFolder> ResolveHomeFolder(const HomeEnvironment& env, std::string& error) {
    std::error_code ec;
    if (env.HomeArgument) {
        if (env.HomeArgument->empty()) {
            error = "the folder given with --home is empty";
            return std::nullopt;
        }
        const fs::path p =
            env.HomeArgument->is_absolute() ? *env.HomeArgument : env.CurrentDirectory / *env.HomeArgument;
        return HomeFolder{p.lexically_normal(), HomeSource::Argument};
    }
    if (!env.CurrentDirectory.empty() && fs::is_directory(env.CurrentDirectory / "CFG", ec))
        return HomeFolder{env.CurrentDirectory.lexically_normal(), HomeSource::CurrentDirectory};
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    if (fs::path xdg = env.XdgDataHome; !xdg.empty() && xdg.is_absolute())
        return HomeFolder{(xdg / "velmora").lexically_normal(), HomeSource::UserData};
    if (fs::path user = env.UserHome; !user.empty() && user.is_absolute())
        return HomeFolder{(user / ".local/share/velmora").lexically_normal(), HomeSource::UserData};
    error = "cannot find a home folder: HOME is not set; start with --home DIR";
    return std::nullopt;
}

bool PrepareHomeFolder(HomeFolder& home, const fs::path& templateDir, std::string& error) {
    std::error_code ec;
    home.FirstStart = !fs::is_directory(home.Path / "CFG", ec);
    if (!MakeFolder(home.Path, error)) return false;
    const bool haveTemplate = fs::is_directory(templateDir, ec);
    if (home.FirstStart) {
        if (!haveTemplate) return Fail(error, "the default home folder is missing:", templateDir, {});
        if (!CopyTreeIfMissing(templateDir, home.Path, error)) return false;
    }
    for (const char* sub : HomeSubfolders)
        if (!MakeFolder(home.Path / sub, error)) return false;
    return !haveTemplate || CopyMissingSettings(templateDir, home.Path, error);
}

std::optional<HomeFolder> SetUpHomeFolder(const HomeEnvironment& env, std::string& error) {
    auto home = ResolveHomeFolder(env, error);
    if (!home || !PrepareHomeFolder(*home, env.Template, error)) return std::nullopt;
    return home;
}

} // namespace velmora
