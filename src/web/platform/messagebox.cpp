#include "messagebox.h"

#include <emscripten.h>

namespace orvanta::platform {
namespace {

const char *iconFile(forms::MessageIcon icon)
{
    switch (icon) {
    case forms::MessageIcon::Critical:
        return "icons/critical.svg";
    case forms::MessageIcon::Warning:
        return "icons/warning.svg";
    default:
        return "";
    }
}

// Waits, with the module suspended (ASYNCIFY), until the box is answered.
// The program's windows are inert meanwhile, so no other handler can run.
EM_ASYNC_JS(void, orvanta_message_box, (const char *promptText, const char *titleText, const char *iconPath), {
    const prompt = UTF8ToString(promptText), title = UTF8ToString(titleText), icon = UTF8ToString(iconPath);
    const desktop = document.getElementById("desktop");
    const before = document.activeElement;
    Module.orvantaModal = true;
    for (const w of desktop.querySelectorAll(".window")) w.inert = true;
    const box = document.createElement("div");
    box.className = "window messagebox";
    box.setAttribute("role", "alertdialog");
    box.setAttribute("aria-modal", "true");
    box.setAttribute("aria-labelledby", "msgbox-title");
    box.setAttribute("aria-describedby", "msgbox-prompt");
    box.dataset.window = "MsgBox";
    const caption = box.appendChild(document.createElement("div"));
    caption.className = "caption";
    const captionText = caption.appendChild(document.createElement("span"));
    captionText.className = "title";
    captionText.id = "msgbox-title";
    captionText.textContent = title;
    const close = caption.appendChild(document.createElement("button"));
    close.className = "close";
    close.tabIndex = -1;
    close.setAttribute("aria-label", "Close");
    const body = box.appendChild(document.createElement("div"));
    body.className = "body";
    if (icon) {
        const image = body.appendChild(document.createElement("img"));
        image.src = icon;
        image.alt = "";
        image.className = "icon";
    }
    const text = body.appendChild(document.createElement("p"));
    text.id = "msgbox-prompt";
    text.textContent = prompt;
    const buttons = box.appendChild(document.createElement("div"));
    buttons.className = "buttons";
    const ok = buttons.appendChild(document.createElement("button"));
    ok.textContent = "OK";
    ok.dataset.name = "OK";
    // Over the windows, in the middle of what the page shows; as large as
    // a narrowed window's parts where the main window is narrowed.
    if (desktop.querySelector(".window.narrow"))
        box.classList.add("narrow");
    desktop.appendChild(box);
    const width = document.documentElement.clientWidth;
    box.style.left = Math.max(0, (width - box.offsetWidth) / 2) + "px";
    box.style.top = Math.max(0, (innerHeight - box.offsetHeight) / 2) + "px";
    box.style.zIndex = 100000;
    ok.focus();
    await new Promise(function(answered) {
        ok.addEventListener("click", answered);
        close.addEventListener("click", answered);
        box.addEventListener("keydown", function(event) {
            if (event.key === "Escape" || event.key === "Enter") { event.preventDefault(); answered(); }
            else if (event.key === "Tab") { event.preventDefault(); }
        });
    });
    box.remove();
    for (const w of desktop.querySelectorAll(".window")) w.inert = false;
    Module.orvantaModal = false;
    if (before && before.isConnected) before.focus();
});

} // namespace

void ShowMessageBox(const forms::MessageRequest &request, forms::MessageIcon icon)
{
    orvanta_message_box(request.prompt.c_str(), request.title.c_str(), iconFile(icon));
}

} // namespace orvanta::platform
