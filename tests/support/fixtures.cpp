#include "tests/support/fixtures.h"

#include "app/window_set.h"
#include "toolkit/folder_lists.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <unistd.h>

ScratchFolder::ScratchFolder()
    : previous_(currentDirectory())
{
    if (::chdir(dir_.path().toLocal8Bit().constData()) != 0)
        qFatal("cannot enter the scratch folder");
}

ScratchFolder::~ScratchFolder()
{
    if (::chdir(previous_.c_str()) != 0)
        qWarning("cannot go back to %s", previous_.c_str());
}

void ScratchFolder::write(const std::string &name, const std::string &bytes) const
{
    QFile out(QString::fromStdString(file(name)));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", name.c_str());
    out.write(bytes.data(), qint64(bytes.size()));
}

void ScratchFolder::makeFolder(const std::string &name) const
{
    if (!QDir().mkpath(QString::fromStdString(file(name))))
        qFatal("cannot make %s", name.c_str());
}

WindowSet::WindowSet()
{
    Application->SetMessageBoxSeam(&boxes);
    CreateWindowSet();
}

WindowSet::~WindowSet()
{
    DestroyWindowSet();
    Application->SetMessageBoxSeam(nullptr);
}

QWindow *windowOf(TForm *form)
{
    form->Handle()->winId();
    return form->Handle()->windowHandle();
}

void showAndWait(TForm *form)
{
    if (!form->Visible())
        form->SetVisible(true);
    if (!QTest::qWaitForWindowExposed(form->Handle()))
        qWarning("window not exposed");
}

QPoint centreOf(const TControl *control)
{
    return {control->Left() + control->Width() / 2, control->Top() + control->Height() / 2};
}

void moveTo(TForm *form, QPoint pos, Qt::MouseButtons)
{
    QTest::mouseMove(windowOf(form), pos);
}

void press(TForm *form, QPoint pos, Qt::MouseButton button)
{
    QTest::mousePress(windowOf(form), button, Qt::NoModifier, pos);
}

void release(TForm *form, QPoint pos, Qt::MouseButton button)
{
    QTest::mouseRelease(windowOf(form), button, Qt::NoModifier, pos);
}

void click(TForm *form, QPoint pos)
{
    QTest::mouseClick(windowOf(form), Qt::LeftButton, Qt::NoModifier, pos);
}

void click(const TControl *control)
{
    click(control->Owner(), centreOf(control));
}

void doubleClick(TForm *form, QPoint pos)
{
    QTest::mouseDClick(windowOf(form), Qt::LeftButton, Qt::NoModifier, pos);
}

void play(TForm *form, const QString &script, const std::function<QPoint(const QString &)> &at)
{
    for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
        const QString action = step.section(':', 0, 0);
        const QPoint pos = at(step.section(':', 1));
        if (action == "move") moveTo(form, pos);
        else if (action == "press") press(form, pos);
        else if (action == "release") release(form, pos);
        else if (action == "click") click(form, pos);
        else if (action == "dclick") doubleClick(form, pos);
        else if (action == "rpress") press(form, pos, Qt::RightButton);
        else if (action == "rrelease") release(form, pos, Qt::RightButton);
        else if (action == "mpress") press(form, pos, Qt::MiddleButton);
        else qFatal("unknown step %s", qPrintable(step));
    }
}

QImage grab(TForm *form)
{
    return form->Handle()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
