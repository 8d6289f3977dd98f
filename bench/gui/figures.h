// The figures the window bench prints: a median of repeated timings and the goal each is held to.
#pragma once

#include <vector>

// The middle value of `samples` (the mean of the two middle ones for an even count); 0 when empty.
double Median(std::vector<double> samples);

// Prints one figure line: its name, the value and what it describes, and whether it meets
// `goal` (values below it do). A goal of 0 prints no goal.
void PrintFigure(const char* name, double value, const char* unit, const char* detail, double goal);
