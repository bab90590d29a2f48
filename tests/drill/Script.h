#pragma once

#include <random>

class ConsoleWindow;

// One random operator action through the console's handlers, as a scripted match plays them.
void RandomStep(ConsoleWindow& console, std::mt19937& testCase);
