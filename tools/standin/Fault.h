#pragma once

// Misbehaviour on purpose, for the tests of how Kadrillo takes a tool that fails: the environment
// variable KADRILLO_STANDIN_FAULT names one. Unset, the stand-ins behave as the game's tools do.
namespace Fault {

// Whether the named misbehaviour was asked for.
bool is(const char* name);
void sleepSeconds(unsigned seconds);

} // namespace Fault
