// The tool base class: all interaction with the drawing goes through the one installed tool.
#pragma once

namespace velmora {

class TDrawingtool {
public:
    virtual ~TDrawingtool() = default;
};

} // namespace velmora
