#pragma once
// Work that would freeze the window (writing a report) runs on a thread of its own while the
// window keeps painting and the logger keeps being heard; clicks and keys wait until it is done.

#include <functional>

namespace velka {

// Runs `work` on a new thread under a busy cursor and returns when it has finished. Meanwhile
// the calling thread's events run, except user input. `work` must touch nothing the window's
// thread may change: hand it copies.
void RunBesideWindow(const std::function<void()>& work);

}  // namespace velka
