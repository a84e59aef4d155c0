#pragma once

// The suites that test_board runs after the board's own.

int runBackgroundTests(int argc, char **argv);
int runForm5Tests(int argc, char **argv);
