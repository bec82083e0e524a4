#pragma once
// Mapping a network share to a drive letter.
#include <cstdint>
#include <string>

// The "Map Network Drive" dialog, built for this call. It starts with the given
// drive and path (and "Reconnect at logon" checked); its Browse button, offered
// once, picks the path from the network neighbourhood. True when the user
// confirmed with OK: the three arguments then hold the dialog's values. Otherwise
// drive and reconnect are untouched and `networkPath` keeps a folder picked
// through Browse.
bool MapNetworkDriveDialog(std::string& drive, std::string& networkPath, bool& reconnect);

// Connects `drive` (such as "Z:") to `networkPath`; with `reconnect` the mapping
// is stored in the user's profile so the platform restores it at the next logon.
// On failure and with `showError`, a box "Error while connecting!" gives the
// system's text. Returns the platform's result (0 = connected).
std::uint32_t ConnectNetworkDrive(const std::string& drive, const std::string& networkPath, bool showError,
                                  bool reconnect);
