#pragma once

#include "console/Messages.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"

#include <gtest/gtest.h>

// A started console on a temporary program folder, with every platform service a double.
class TestConsole : public ::testing::Test {
  protected:
    TestConsole() { console.load(); }

    void Points(int index, int howMany) {
        for (int i = 0; i < howMany; ++i) {
            console.changeScore(index);
        }
    }

    // The display's panels swapped (or not) through the console's button and its question.
    void Swap(Answer answer = Answer::Yes) {
        a.f.dialogs.Expect(ConsoleMessages::SwapQuestion, answer);
        console.swapDisplaySides();
    }

    Environment a;
    ConsoleProbe console{a.f.platform};
    DisplayProbe d = console.display();
};
