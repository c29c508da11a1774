#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace zelvo {

// Modal message boxes, which tests answer without blocking.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    virtual void message(QWidget *parent, const QString &text) = 0;
};

class QtDialogs : public Dialogs
{
public:
    void message(QWidget *parent, const QString &text) override;
};

// The desktop's web browser.
class Browser
{
public:
    virtual ~Browser() = default;
    virtual bool open(const QUrl &url) = 0;
};

class DesktopBrowser : public Browser
{
public:
    bool open(const QUrl &url) override;
};

} // namespace zelvo
