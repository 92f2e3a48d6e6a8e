#pragma once

#include <memory>

#include "aboutinstance.h"
#include "handles.h"
#include "main.h"

namespace orvanta {

// What wWinMain sets up and runs, apart from it so that the tests start the
// program the same way and drive its windows.
class Application final
{
public:
    // Creates and loads Main (Form_Load), not yet shown.
    Application();
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    Main &main() { return *m_main; }
    // The About box while it is loaded, else nullptr.
    AboutBox *aboutBox() const;

    // Shows Main as the program starts: centred, in front, the focus on SSTab1.
    void start();
    // Runs the message loop until the program ends; returns its exit status.
    int run();

private:
    platform::ComApartment m_com;
    // Empty until Help > About is first chosen; survives the box's closing.
    std::unique_ptr<AboutInstance> m_aboutInstance;
    std::unique_ptr<Main> m_main;
};

} // namespace orvanta
