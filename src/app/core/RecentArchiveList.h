#pragma once

#include <QStringList>

class SettingsStore;

// The archives opened last as the settings file keeps them, newest first and each once, in a group of
// their own.
namespace RecentArchiveList {

constexpr int maximumCount = 8;

// The stored paths the list keeps: a hand-edited file may hold blanks, repeats or more than fit, which
// are left out; the rest keep their order.
QStringList kept(const QStringList& stored);
QStringList read(const SettingsStore& store);
void write(SettingsStore& store, const QStringList& paths);

} // namespace RecentArchiveList
