#pragma once

namespace quorlex::test {

// Makes every message of the program's programming-error category (a command or menu row that
// points nowhere, or is given twice) fail the running test.
void failOnProgrammingErrors();

} // namespace quorlex::test
