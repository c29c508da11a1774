#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace zelvo {

class MenuBar;

struct FileType
{
    const char16_t *name;
    const char16_t *extensions; // ";"-separated, empty for none
    const char16_t *typeCode;
    const char16_t *creatorCode;
};

// The file types the program registers; "image/jpeg" is what the prize list accepts by drop.
inline constexpr std::array<FileType, 3> kFileTypes{{
    {u"text", u"", u"TEXT", u"R*ch"},
    {u"special/any", u"", u"????", u"????"},
    {u"image/jpeg", u".jfif;.jpe;.jpeg;.jpg", u"JPEG", u"prvw"},
}};

// Whether a dropped file is of a registered type with extensions (by its name's ending).
bool isOfFileType(const QString &fileName, const QString &typeName);

// The application object: it holds the menu bar and nothing else.
class App
{
public:
    App();
    ~App();
    // Handed to the main window, which installs it.
    MenuBar *takeMenuBar();

private:
    MenuBar *MenuBar1;
};

// Where the event folder is: --folder DIR, else the executable's folder.
QString eventFolderFromArguments(const QStringList &arguments, const QString &executableFolder);

} // namespace zelvo
