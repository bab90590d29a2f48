#pragma once

// Ends the program at once: no window is asked and nothing is saved.
class Processo {
public:
    virtual ~Processo() = default;
    virtual void Termina() = 0;
};
