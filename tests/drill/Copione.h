#pragma once

#include <random>

class Form1;

// One random operator action through the console's handlers, as a scripted match plays them.
void PassoCasuale(Form1& console, std::mt19937& caso);
