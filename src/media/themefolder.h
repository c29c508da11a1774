#pragma once

#include "platform/eventfolder.h"

#include <QString>
#include <QStringList>

namespace zelvo {

// A theme's folder inside "theme", as found on disk for the stored theme name.
class ThemeFolder
{
public:
    enum class State
    {
        None,    // no theme chosen: the stage runs plain
        Missing, // a theme is named but its folder is not there
        Found
    };

    static ThemeFolder find(const EventFolder &folder, const QString &theme);

    State state() const { return m_state; }
    bool found() const { return m_state == State::Found; }
    // "theme/<name as listed>", empty unless found.
    QString relative() const { return m_relative; }
    // The relative path of a file of the theme, empty when the theme has no such file.
    // Themes made on Windows or a Mac may spell a name in other case ("Back.JPG").
    QString file(const QString &name) const;

private:
    State m_state = State::None;
    QString m_relative;
    QStringList m_files;
};

} // namespace zelvo
