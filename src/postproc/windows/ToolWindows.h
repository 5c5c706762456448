#pragma once

namespace koratune {

class Preview;

// The tool windows as the other windows reach them: the main window opens them.
class ToolWindows {
public:
    virtual ~ToolWindows() = default;

    // The preview window, opened without taking the focus if it was closed.
    virtual Preview* loadPreview() = 0;
};

} // namespace koratune
