// Single-instance lock: one running copy of the program per user; a later start asks that
// copy, through a local socket, to bring its window to the front.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// [SECTION] identity
// Copies count as the same program when their executable file names match: without folder,
// in upper case, and an underscore right before the extension (or at the end of a name
// without one) dropped, so "skat_" and "skat" are one program, as are "Skat_.bin" and
// "SKAT.BIN".
std::string instanceProgramKey(std::string_view executablePath);

// The executable the check names this process by: /proc/self/exe unless set (tests pretend
// to be a program of another name and folder).
std::string instanceExecutable();
void setInstanceExecutable(const std::string& path);

// [SECTION] where the lock lives
// The per-user folder of the lock file and the socket: $XDG_RUNTIME_DIR, else
// /tmp/skat-<user id> (created private to the user). Tests point it at a folder of their own.
std::string instanceFolder();
void setInstanceFolder(const std::string& folder);

// [SECTION] lock and raise request
// Takes the program's lock when it is free: this process is then the running copy, listens
// for raise requests and the answer is false. When another live copy holds the lock, sends it
// a raise request and answers true; a failure to reach it is swallowed and the answer stays
// true. Lock files and sockets left by a copy that died do not count. When the lock cannot be
// set up at all the answer is false: the program then runs without the check.
// Never blocks. Calling it again while this process holds the lock answers false.
bool instanceClaimOrAskRaise();

// Called once per frame by the running copy: takes the raise requests that arrived and calls
// the raise handler once for each. Never blocks; does nothing without the lock.
void instancePoll();

// The window layer installs what raising means; until then (or with an empty handler)
// a request is taken and nothing happens.
void setInstanceRaiseHandler(std::function<void()> handler);

// Gives up the lock and removes the socket (tests; a clean shut-down). The lock file stays:
// removing it could let two copies lock two different files.
void instanceRelease();
