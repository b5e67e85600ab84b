#include "app/WindowFlow.h"

#include "ui/chooser/loadform.h"
#include "ui/help/Help.h"
#include "ui/help/Logo.h"
#include "ui/main/mainForm.h"

WindowFlow::WindowFlow(Context& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
{
}

void WindowFlow::start()
{
    auto* splash = new Logo;
    connect(splash, &Logo::loaded, this, &WindowFlow::openChooser);
    splash->show();
    splash->close();
}

void WindowFlow::openChooser()
{
    auto* chooser = new loadform(m_context);
    connect(chooser, &loadform::listChosen, this, &WindowFlow::openMain);
    connect(chooser, &loadform::helpRequested, this, [] { Help::showHelp(); });
    Q_EMIT chooserOpened(chooser);
    chooser->load();
    chooser->show();
}

void WindowFlow::openMain()
{
    if (!m_splash)
        m_splash = new Logo;
    m_splash->show();
    auto* form = new mainForm(m_context);
    connect(form, &mainForm::changeListRequested, this, &WindowFlow::openChooser);
    connect(form, &mainForm::helpRequested, this, [] { Help::showHelp(); });
    connect(form, &mainForm::loadStarted, m_splash,
            [splash = m_splash] { splash->setProgressText(Logo::progressDots()); });
    connect(form, &mainForm::loadFinished, m_splash, &QWidget::hide);
    connect(form, &mainForm::unloaded, m_splash, &QWidget::close);
    Q_EMIT mainOpened(form);
    form->load();
    form->show();
}
