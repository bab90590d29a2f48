#pragma once

#include <random>

class ConsoleProbe;

// One random operator action through the console's handlers, as a scripted match plays them.
void RandomStep(ConsoleProbe& console, std::mt19937& testCase);
