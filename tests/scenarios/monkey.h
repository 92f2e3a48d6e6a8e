#pragma once

// A long random session over both windows, written in the steps of the
// shared scenario table so that each runner plays it with its own real input:
// clicks on tabs, boxes and Convert buttons, typed text, Enter, Tab and
// Escape, the About box opened by its menu and by F2 and closed by OK,
// Enter and Escape. The runner answers any message box after each step and
// checks that the program is still running without a run-time error. The
// session ends by converting a row no step touched, then with EXIT.
//
// The steps follow only from the seed: a runner prints it, and the same seed
// replays the same session. The generator keeps to what can be known
// without the program: it types and presses Enter in the main window only
// where the focus is known to be in an input box, so no key presses EXIT or
// reaches the row kept for the end; while the About box is open it acts
// only on the box, which may cover the main window, and types no space.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "maindesign.h"
#include "scenarios.h"

namespace orvanta::scenarios {

class MonkeySession
{
public:
    // The session every runner plays: as long as the browser's, from one
    // seed unless ORVANTA_MONKEY_SEED names another.
    MonkeySession()
        : MonkeySession(SeedFromEnvironment(), 300)
    {
    }

    MonkeySession(std::uint64_t seed, int steps)
        : m_random(seed)
        , m_name("a random session of " + std::to_string(steps) + " steps, seed " + std::to_string(seed)
                 + " (ORVANTA_MONKEY_SEED replays it)")
    {
        while (int(m_steps.size()) < steps)
            act();
        finish();
    }

    const std::vector<Step> &steps() const { return m_steps; }
    // What a runner calls it: its length and seed, and how to replay it.
    const std::string &name() const { return m_name; }

private:
    enum class Focus { Unknown, InputBox, AboutOk };

    // Typed pieces: parts of numbers, separators, letters, the edges of the
    // double range, radix prefixes, non-ASCII text.
    static constexpr const char *Pieces[] = {
        "0", "1", "2", "5", "9", ".", "e", "E", "-", "+", "&H", "&O", " ", ",", "a", "x",
        "1e308", "2e308", "1e-320", "&HFFFF", "0.0001", "12.5", "1000000", "\u00FC", "\u00B2", "-0"};

    int pick(int n) { return int(m_random() % std::uint64_t(n)); }

    // Text to type; a space would press a focused button.
    std::string_view randomText(bool intoBox)
    {
        std::string text;
        for (int n = 1 + pick(3); n > 0; --n) {
            for (const char *c = Pieces[pick(int(std::size(Pieces)))]; *c; ++c) {
                if (intoBox || *c != ' ')
                    text += *c;
            }
        }
        return keep(std::move(text));
    }

    std::string_view keep(std::string text) { return m_texts.emplace_back(std::move(text)); }

    void add(Op op, std::string_view target = {}, std::string_view text = {}) { m_steps.push_back({op, target, text}); }

    // The converter page shown: its place in MainPages.
    int shownPage() const
    {
        for (std::size_t i = 0; i < MainPages.size(); ++i) {
            const PagePlacement &placement = MainPages[i];
            if (m_tabs[StripIndex(placement.strip->name)] == placement.page
                && m_tabs[StripIndex(placement.strip->parent)] == placement.strip->parentPage)
                return int(i);
        }
        return 0;
    }

    // A row of the shown page; the last row of the first page is kept for
    // the closing check.
    int anyRow()
    {
        return 1 + pick(shownPage() == 0 ? RowsPerPage - 1 : RowsPerPage);
    }

    std::string_view rowName(std::string_view prefix, int row)
    {
        return keep(std::string(prefix) + std::to_string(row));
    }

    void clickTab()
    {
        // The outer strip, or the inner strip its current page shows.
        const auto *strip = MainStrips[0];
        if (pick(2) != 0) {
            for (const auto *inner : MainStrips) {
                if (inner->parent == MainStrips[0]->name && inner->parentPage == m_tabs[0])
                    strip = inner;
            }
        }
        const int page = pick(int(strip->captions.size()));
        m_tabs[StripIndex(strip->name)] = page;
        add(Op::ClickTab, strip->name, page == 0 ? "0" : "1");
        m_focus = Focus::Unknown;
    }

    void act()
    {
        if (m_aboutOpen) {
            switch (pick(4)) {
            case 0:
                add(Op::Click, "frmAbout.Command1");
                break;
            case 1:
                add(Op::Press, {}, m_focus == Focus::AboutOk ? "Return" : "Escape");
                break;
            case 2:
                add(Op::Press, {}, "Escape");
                break;
            default:
                add(Op::Type, {}, randomText(false));
                return;
            }
            m_aboutOpen = false;
            m_focus = Focus::Unknown;
            return;
        }
        const ConversionSpec &conversion = *MainPages[std::size_t(shownPage())].design->conversion;
        const int dice = pick(100);
        if (dice < 12) {
            clickTab();
        } else if (dice < 30 || (dice < 68 && m_focus != Focus::InputBox)) {
            // Where the focus went after a tab or Tab is not known: keys and
            // text wait for a click into a box.
            add(Op::ClickInto, rowName(conversion.InputPrefix, anyRow()));
            m_focus = Focus::InputBox;
        } else if (dice < 55) {
            add(Op::Type, {}, randomText(true));
        } else if (dice < 68) {
            add(Op::Press, {}, pick(3) == 0 ? "Shift+Home" : pick(2) ? "Return" : "Enter");
        } else if (dice < 80) {
            add(Op::Click, rowName(conversion.ButtonPrefix, anyRow()));
            m_focus = Focus::InputBox;
        } else if (dice < 88) {
            add(Op::Press, {}, pick(2) ? "Tab" : "Shift+Tab");
            m_focus = Focus::Unknown;
        } else if (dice < 92) {
            add(Op::Press, {}, "Escape");
        } else {
            if (pick(2))
                add(Op::Press, {}, "F2");
            else
                add(Op::Choose, "mnuAbout");
            m_aboutOpen = true;
            m_focus = Focus::AboutOk;
        }
    }

    // Still converting, exactly: a row no step touched, on the first page.
    void finish()
    {
        if (m_aboutOpen)
            add(Op::Click, "frmAbout.Command1");
        const std::string_view last = rowName(MeterSqToFeetSq.InputPrefix, RowsPerPage);
        add(Op::ClickTab, MainStrips[0]->name, "0");
        add(Op::ClickTab, MainPages[0].strip->name, "0");
        add(Op::ClickInto, last);
        add(Op::Type, {}, "2");
        add(Op::Press, {}, "Return");
        add(Op::ExpectCaption, rowName(MeterSqToFeetSq.ResultPrefix, RowsPerPage), "21.5278 Feet\u00B2");
        add(Op::ExpectFocus, last);
        add(Op::EndsBy, "Command11");
    }

    static std::uint64_t SeedFromEnvironment()
    {
        const char *seed = std::getenv("ORVANTA_MONKEY_SEED");
        return seed && *seed ? std::strtoull(seed, nullptr, 10) : 20240611;
    }

    std::mt19937_64 m_random;
    std::string m_name;
    // The texts the steps name: a deque keeps each where it was made.
    std::deque<std::string> m_texts;
    std::vector<Step> m_steps;
    // The current page of each strip, in the order of MainStrips, as the
    // window starts: the load step shows the first page of the outer and
    // the area strip, which they are designed with too.
    std::array<int, MainStrips.size()> m_tabs = [] {
        std::array<int, MainStrips.size()> tabs{};
        for (std::size_t i = 0; i < MainStrips.size(); ++i)
            tabs[i] = MainStrips[i]->designedTab;
        return tabs;
    }();
    bool m_aboutOpen = false;
    Focus m_focus = Focus::Unknown;
};

} // namespace orvanta::scenarios
