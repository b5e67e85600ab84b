#include "ui/chooser/WindowFlow.h"

#include "ui/chooser/loadform.h"
#include "ui/main/mainForm.h"

WindowFlow::WindowFlow(Context& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
{
}

void WindowFlow::openChooser()
{
    auto* chooser = new loadform(m_context);
    connect(chooser, &loadform::listChosen, this, &WindowFlow::openMain);
    Q_EMIT chooserOpened(chooser);
    chooser->load();
    chooser->show();
}

void WindowFlow::openMain()
{
    auto* form = new mainForm(m_context);
    connect(form, &mainForm::changeListRequested, this, &WindowFlow::openChooser);
    Q_EMIT mainOpened(form);
    form->load();
    form->show();
}
