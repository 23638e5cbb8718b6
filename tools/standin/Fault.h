#pragma once

#include <string>

// Misbehaviour on purpose, for the tests of how Kadrillo takes a tool that fails: the environment
// variable KADRILLO_STANDIN_FAULT names one. Unset, the stand-ins behave as the game's tools do.
namespace Fault {

// Whether the named misbehaviour was asked for.
bool is(const char* name);
void sleepSeconds(unsigned seconds);

// Takes the file for this process alone, as a tool that will not share its archive does; false when
// another process has it. It stays taken until the process ends.
bool takeAlone(const std::string& path);
// A run that had the archive refused opens the gate that KADRILLO_STANDIN_GATE names; one that took it
// waits at that gate (at most 30 seconds) before it goes on, so that the refusal has surely happened
// while it held the archive. Without KADRILLO_STANDIN_GATE neither does anything.
void openGate();
void waitAtGate();

} // namespace Fault
