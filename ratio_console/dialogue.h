#pragma once
// The console dialogue: one base frequency, then cycle after cycle a second
// frequency, its ratio to the base in numbers and cents, and the table of
// fractions near that ratio.

#include <istream>
#include <ostream>

namespace tolvane {

/**
 * Runs the dialogue on the given streams until the input ends or holds
 * something that is not a number, reports that in one line on `err` and
 * returns EXIT_FAILURE; there is no other way out besides the interrupts. `out`
 * is flushed before every read, so a program on the other end of a pipe sees
 * each prompt and each finished table at once.
 */
int runDialogue(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace tolvane
