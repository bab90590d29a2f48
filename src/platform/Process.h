#pragma once

// Ends the program at once: no window is asked and nothing is saved.
class Process {
  public:
    virtual ~Process() = default;
    virtual void End() = 0;
};
