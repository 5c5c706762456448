#pragma once

#include <QString>
#include <QStringList>

namespace kirabellum {

// The designs opened or saved last, newest first, at most Limit of them,
// remembered in the program's settings so that every designer window and the
// next start share them.
class RecentDesigns {
public:
    static constexpr int Limit = 8;

    QStringList paths() const;
    // Puts the design at `path` first (once), dropping the oldest beyond Limit.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& paths);
};

} // namespace kirabellum
