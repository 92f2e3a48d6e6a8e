#include "messagebox.h"

#include <utility>

#include <emscripten.h>

#include "formsruntime.h"

namespace orvanta::platform {
namespace {

MessageBoxHook &hook()
{
    static MessageBoxHook instance;
    return instance;
}

const char *iconOf(int style)
{
    switch (style & 0x70) {
    case forms::Critical:
        return "critical";
    case forms::Exclamation:
        return "warning";
    default:
        return "";
    }
}

// Waits, with the module suspended, until the box is answered. Everything
// else of the program is inert meanwhile, so no other handler can run.
EM_ASYNC_JS(void, orvanta_message_box, (const char *promptText, const char *titleText, const char *iconName), {
    const prompt = UTF8ToString(promptText), title = UTF8ToString(titleText), icon = UTF8ToString(iconName);
    const desktop = document.getElementById("desktop");
    const before = document.activeElement;
    Module.orvantaModal = true;
    for (const w of desktop.querySelectorAll(".window")) w.inert = true;
    const box = document.createElement("div");
    box.className = "window messagebox";
    box.setAttribute("role", "alertdialog");
    box.setAttribute("aria-modal", "true");
    box.dataset.window = "MsgBox";
    const caption = box.appendChild(document.createElement("div"));
    caption.className = "caption";
    caption.id = "msgbox-title";
    const captionText = caption.appendChild(document.createElement("span"));
    captionText.textContent = title;
    const close = caption.appendChild(document.createElement("button"));
    close.className = "close";
    close.tabIndex = -1;
    close.setAttribute("aria-label", "Close");
    box.setAttribute("aria-labelledby", "msgbox-title");
    const body = box.appendChild(document.createElement("div"));
    body.className = "body";
    if (icon) {
        const image = body.appendChild(document.createElement("img"));
        image.src = "icons/" + icon + ".svg";
        image.alt = "";
        image.className = "icon";
    }
    const text = body.appendChild(document.createElement("p"));
    text.id = "msgbox-prompt";
    text.textContent = prompt;
    box.setAttribute("aria-describedby", "msgbox-prompt");
    const buttons = box.appendChild(document.createElement("div"));
    buttons.className = "buttons";
    const ok = buttons.appendChild(document.createElement("button"));
    ok.textContent = "OK";
    ok.dataset.name = "OK";
    desktop.appendChild(box);
    box.style.left = Math.max(0, (desktop.clientWidth - box.offsetWidth) / 2) + "px";
    box.style.top = Math.max(0, (desktop.clientHeight - box.offsetHeight) / 3) + "px";
    ok.focus();
    await new Promise(function(answered) {
        ok.addEventListener("click", answered);
        close.addEventListener("click", answered);
        box.addEventListener("keydown", function(event) {
            if (event.key === "Escape" || event.key === "Enter") { event.preventDefault(); answered(); }
            else if (event.key === "Tab") { event.preventDefault(); }
        });
    });
    // Recorded for the page's tests, which read what was shown.
    (Module.orvantaMessages = Module.orvantaMessages || []).push({prompt: prompt, title: title, icon: icon});
    box.remove();
    for (const w of desktop.querySelectorAll(".window")) w.inert = false;
    Module.orvantaModal = false;
    if (before && before.isConnected) before.focus();
});

} // namespace

void MsgBox(const std::string &prompt, int style, const std::string &title)
{
    if (hook()) {
        hook()({prompt, style, title});
        return;
    }
    orvanta_message_box(prompt.c_str(), title.c_str(), iconOf(style));
}

void SetMessageBoxHook(MessageBoxHook newHook)
{
    hook() = std::move(newHook);
}

} // namespace orvanta::platform
