#include "program.h"

#include "main.h"
#include "mainhandlers.h"

namespace orvanta {

Program::Program()
    : m_main(std::make_unique<Main>(*this))
{
}

Program::~Program() = default;

AboutBox *Program::aboutBox() const
{
    return m_aboutInstance ? m_aboutInstance->window() : nullptr;
}

void Program::start()
{
    m_main->centre();
    m_main->show();
}

void Program::menuChosen(MenuCommand command)
{
    switch (command) {
    case MenuCommand::Exit:
        mnuExit_Click();
        break;
    case MenuCommand::About:
        mnuAbout_Click(m_aboutInstance);
        break;
    }
}

void Program::closed()
{
    forms::End();
}

} // namespace orvanta
