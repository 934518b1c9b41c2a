// The arithmetic behind "Ingots Required for Exceptional", shared by the window and every other user.
#pragma once

// Net ingots spent on one exceptional item of an item row with `ingots` ingots per attempt (not 0), from
// the row's rate texts as shown: the four percentages and the DOA figure. 0 when the exceptional rate is 0.
double ingotsRequired(int ingots, const char* execRate, const char* normRate, const char* baRate, const char* failRate,
                      const char* doa);
