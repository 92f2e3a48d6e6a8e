#!/usr/bin/python3
"""Plays the shared user scenarios on the page in headless Chromium, with real
input (WebDriver actions and DevTools Input events, delivered by the browser
as trusted events), then checks the accessibility tree, installability and a
reload with the server stopped.

    run-scenarios.py SITE-DIR SCENARIOS.json
"""

import json
import os
import socket
import subprocess
import sys
import time

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

# As root, with no display, on a machine whose network is closed.
CHROMIUM_FLAGS = ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage", "--disable-quic",
                  "--no-first-run", "--disable-background-networking", "--disable-component-update",
                  "--disable-sync", "--lang=en-US", "--window-size=1000,800")


def start_chromium(profile):
    options = webdriver.ChromeOptions()
    for flag in CHROMIUM_FLAGS:
        options.add_argument(flag)
    options.add_argument("--user-data-dir=" + profile)
    options.binary_location = "/usr/bin/chromium"
    return webdriver.Chrome(service=Service(executable_path="/usr/bin/chromedriver"), options=options)


def start_server(site):
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    server = subprocess.Popen([sys.executable, "-m", "http.server", str(port), "--bind", "127.0.0.1",
                               "--directory", site], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    url = "http://127.0.0.1:%d/" % port
    for _ in range(100):
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.2).close()
            return server, url
        except OSError:
            time.sleep(0.05)
    raise RuntimeError("the file server did not start")


# What the page shows, read from its elements: no function of the program
# is called.
READ = r"""
const [what, target] = arguments;
const [windowName, name] = target.includes('.') ? target.split('.') : ['Main', target];
const win = document.querySelector(`.window[data-window="${windowName}"]`);
const el = win && win.querySelector(`.client [data-name="${name}"]`);
switch (what) {
case 'text': return el.value;
case 'caption': return el.textContent;
case 'tip': return el.getAttribute('title') || '';
case 'focus': {
    const a = document.activeElement, w = a && a.closest('.window');
    if (!w || !a.dataset.name) return '(none)';
    return (w.dataset.window === 'Main' ? '' : w.dataset.window + '.') + a.dataset.name; }
case 'default': { const b = win.querySelector('.client button.default'); return b ? b.dataset.name : ''; }
case 'windows': return [...document.querySelectorAll('.window:not([hidden])')].map(w => w.dataset.window)
                     .filter(n => n !== 'MsgBox').join('+');
case 'box': { const b = document.querySelector('.messagebox');
    return b && [b.querySelector('#msgbox-prompt').textContent, b.querySelector('.title').textContent,
                 (b.querySelector('.body img') || {}).src || '', b.querySelectorAll('button:not(.close)').length]; }
case 'ended': return [!!document.querySelector('.ended'), document.querySelectorAll('.window').length];
case 'element': return el;
case 'tab': return document.getElementById(target);
}
"""

KEYS = {"Return": Keys.RETURN, "Tab": Keys.TAB, "Escape": Keys.ESCAPE, "F2": Keys.F2}


class Page:
    def __init__(self, driver, url):
        self.d = driver
        self.url = url

    def read(self, what, target=""):
        return self.d.execute_script(READ, what, target)

    def wait(self, condition, what):
        try:
            WebDriverWait(self.d, 10, poll_frequency=0.02).until(lambda _: condition())
        except TimeoutException:
            raise AssertionError("timed out waiting for " + what)

    def load(self):
        self.d.get(self.url)
        self.wait(lambda: self.read("focus") == "SSTab1", "the window, focus on SSTab1")

    def click(self, element):
        ActionChains(self.d).move_to_element(element).click().perform()

    def key(self, key, code, vk, modifiers=0, location=0):
        for kind in ("rawKeyDown", "keyUp"):
            self.d.execute_cdp_cmd("Input.dispatchKeyEvent", {
                "type": kind, "key": key, "code": code, "windowsVirtualKeyCode": vk, "modifiers": modifiers,
                "location": location})

    def press(self, name):
        if name in KEYS:
            ActionChains(self.d).send_keys(KEYS[name]).perform()
        elif name == "Enter":  # the keypad's
            self.d.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": "rawKeyDown", "key": "Enter", "code": "NumpadEnter",
                                                              "windowsVirtualKeyCode": 13, "location": 3})
            self.d.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": "char", "text": "\r", "key": "Enter",
                                                              "code": "NumpadEnter", "location": 3})
            self.d.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": "keyUp", "key": "Enter", "code": "NumpadEnter",
                                                              "windowsVirtualKeyCode": 13, "location": 3})
        elif name == "Shift+Tab":
            ActionChains(self.d).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        elif name == "Shift+Home":
            ActionChains(self.d).key_down(Keys.SHIFT).send_keys(Keys.HOME).key_up(Keys.SHIFT).perform()
        elif name == "Ctrl+Q":
            self.key("q", "KeyQ", 81, modifiers=2)
        else:
            raise AssertionError("no such key in the runner: " + name)

    def choose(self, item):
        element = self.d.find_element(By.CSS_SELECTOR, f'.menubar [data-name="{item}"]')
        self.click(element.find_element(By.XPATH, "../preceding-sibling::button[1]"))
        self.click(element)

    def expect(self, what, target, expected):
        self.wait(lambda: self.read(what, target) == expected, f"{what} of {target or 'the page'} to be {expected!r}"
                  f" (it is {self.read(what, target)!r})")

    def step(self, op, target, text):
        if op == "ClickTab":
            self.click(self.read("tab", f"{target}-{text}-tab"))
        elif op in ("ClickInto", "Click"):
            self.click(self.read("element", target))
        elif op == "Type":
            ActionChains(self.d).send_keys(text).perform()
        elif op == "Press":
            self.press(text)
        elif op == "Choose":
            self.choose(target)
        elif op == "EndsBy":
            if target == "Ctrl+Q":
                self.press("Ctrl+Q")
            elif target == "close Main":
                self.click(self.d.find_element(By.CSS_SELECTOR, '.window[data-window="Main"] .caption .close'))
            elif target == "mnuExit":
                self.choose(target)
            else:
                self.click(self.read("element", target))
            self.expect("ended", "", [True, 0])
            status = self.d.execute_script("return Module.orvantaExitStatus")
            assert status == 0, f"exit status {status}"
        elif op == "ExpectText":
            self.expect("text", target, text)
        elif op == "ExpectCaption":
            self.expect("caption", target, text)
        elif op == "ExpectTip":
            self.expect("tip", target, text)
        elif op == "ExpectFocus":
            self.expect("focus", target, target)
        elif op == "ExpectDefault":
            self.expect("default", "", target)
        elif op == "ExpectWarning":
            self.wait(lambda: self.read("box") is not None, "the warning")
            prompt, title, icon, buttons = self.read("box")
            assert (prompt, title, icon.endswith("warning.svg"), buttons) == (text, target, True, 1), \
                f"the box shows {prompt!r}, {title!r}, {icon!r}, {buttons} buttons"
            ActionChains(self.d).send_keys(Keys.RETURN).perform()
            self.wait(lambda: self.read("box") is None, "the warning to close")
        elif op == "ExpectNoWarning":
            assert self.read("box") is None, "a message box is open"
        elif op == "ExpectWindows":
            self.expect("windows", "", text)
        else:
            raise AssertionError("no such step in the runner: " + op)


def ax_nodes(driver):
    nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    result = []
    for node in nodes:
        if node.get("ignored"):
            continue
        props = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
        result.append((node.get("role", {}).get("value"), node.get("name", {}).get("value", ""),
                       node.get("description", {}).get("value", ""), props))
    return result


def has(nodes, role, name=None, description=None, **props):
    return any(r == role and (name is None or n == name) and (description is None or d == description)
               and all(p.get(k) == v for k, v in props.items()) for r, n, d, p in nodes)


def check_accessibility(page):
    page.load()
    nodes = ax_nodes(page.d)
    expected = [
        ("menubar", None, None, {}),
        ("menuitem", "File", None, {}),
        ("tablist", "SSTab1", None, {}),
        ("tab", "Square Meter and Square Feet", None, {"selected": True}),
        ("tab", "Meter\u00B2 to Feet\u00B2", None, {"selected": True}),
        ("textbox", "Square meters, row 3", None, {}),
        ("button", "Convert", "Convert row 3 to square feet", {}),
        ("button", "EXIT", None, {}),
    ]
    for role, name, description, props in expected:
        assert has(nodes, role, name, description, **props), f"no {role} {name!r} {description or ''} {props}"
    page.click(page.read("element", "Meter3"))
    ActionChains(page.d).send_keys("2.5", Keys.RETURN).perform()
    page.expect("caption", "AnsFeet3", "26.90975 Feet\u00B2")
    assert has(ax_nodes(page.d), "status", None, "26.90975 Feet\u00B2", live="polite"), "no polite live result"
    page.choose("mnuAbout")
    page.expect("windows", "", "Main+frmAbout")
    assert has(ax_nodes(page.d), "dialog", "About"), "no About dialog"
    page.click(page.read("element", "frmAbout.Command1"))
    page.click(page.read("element", "Meter3"))
    ActionChains(page.d).send_keys(Keys.END, Keys.BACKSPACE * 5, "x", Keys.RETURN).perform()
    page.wait(lambda: page.read("box") is not None, "the warning")
    assert has(ax_nodes(page.d), "alertdialog", "Invalid Number", modal=True), "no modal alert dialog"
    ActionChains(page.d).send_keys(Keys.ESCAPE).perform()


def check_offline(page, server):
    page.load()
    page.d.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
    page.wait(lambda: page.d.execute_script("return !!navigator.serviceWorker.controller") or
              page.d.refresh() or False, "the service worker to control the page")
    errors = page.d.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
    assert errors == [], f"installability errors: {errors}"
    server.terminate()
    server.wait()
    page.load()
    page.click(page.read("element", "Meter1"))
    ActionChains(page.d).send_keys("1", Keys.RETURN).perform()
    page.expect("caption", "AnsFeet1", "10.7639 Feet\u00B2")


def main():
    site, table = sys.argv[1], sys.argv[2]
    with open(table, encoding="utf-8") as f:
        scenarios = json.load(f)
    profile = subprocess.check_output(["mktemp", "-d"], text=True).strip()
    server, url = start_server(site)
    driver = start_chromium(profile)
    page = Page(driver, url)
    passed = failed = 0

    def run(name, body):
        nonlocal passed, failed
        try:
            body()
            passed += 1
            print("PASS", name)
        except Exception as error:  # one failure does not stop the others
            failed += 1
            print("FAIL", name, "-", str(error).splitlines()[0] if str(error) else type(error).__name__)
            driver.save_screenshot(os.path.join(profile, "failure-%d.png" % failed))

    try:
        for scenario in scenarios:
            def play(scenario=scenario):
                page.load()
                for op, target, text in scenario["steps"]:
                    try:
                        page.step(op, target, text)
                    except AssertionError as error:
                        raise AssertionError(f"{op} {target} {text!r}: {error}")
            run(scenario["name"], play)
        run("accessibility tree: a row, the strips, both dialogs", lambda: check_accessibility(page))
        run("installable, and converts offline after one visit", lambda: check_offline(page, server))
    finally:
        driver.quit()
        server.terminate()
    print(f"{passed} passed, {failed} failed")
    if failed:
        print("screenshots of the failures in", profile)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
