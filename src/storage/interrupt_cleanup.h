#pragma once
// Temporary files that must not outlive a program ended by Ctrl-C or a kill: while one is
// registered, SIGINT, SIGTERM and SIGHUP remove it before the program ends by the signal as
// it would have without us. A program that handles, ignores or blocks those signals itself
// keeps its own way (it then runs the destructors that remove the files).

namespace velka {

// Registers `path` (an absolute or working-folder-relative path); returns the ticket for
// ForgetOnInterrupt, or -1 when every place is taken (the file is then only swept later).
int RemoveOnInterrupt(const char* path);
void ForgetOnInterrupt(int ticket);

}  // namespace velka
