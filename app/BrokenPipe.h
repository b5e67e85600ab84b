#pragma once

// A speech server that goes away mid-sentence leaves its socket closed; writing to it must fail
// with an error, not end the program with SIGPIPE.
void ignoreBrokenPipes();
