#pragma once

#include "SysUtils.h"

class TRegistry;

// Writes the configuration that the window and the working state describe
// for ConnectionMode: browser, accounts, Remote Access, the own key and its
// copies. A refused write ends it at that value.
void ApplySettings(TRegistry& registry);

// The host part of a proxy address: the bytes before the first ':'.
AnsiString ProxyHost(const AnsiString& address);
