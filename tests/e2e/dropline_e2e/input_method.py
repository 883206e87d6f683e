"""IBus, the input method framework of GNOME and KDE, headless on a display
of the test's own: its daemon on the test's session bus with one engine
(pinyin for Chinese, Anthy for Japanese), and the game as its client. What
the player types goes through the engine, as on a Chinese or Japanese
desktop: "zhangsan" and Space become Chinese characters, "hai" in Anthy's
hiragana mode becomes はい."""

import os

from . import x11
from .processes import poll

ENGINES = {
    "libpinyin": "/usr/share/ibus/component/libpinyin.xml",
    "anthy": "/usr/share/ibus/component/anthy.xml",
}
# Anthy's input modes (its GSettings key input-mode).
HIRAGANA = 0
WIDE_LATIN = 4


def missing(engine):
    lacking = x11.missing("dbus-daemon", "ibus-daemon", "ibus")
    if not os.path.exists(ENGINES[engine]):
        lacking.append(f"ibus-{engine}")
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        lacking.append("python3-pyatspi")
    return lacking


class Desktop(x11.Display):
    """An X server, a session bus and the IBus daemon with `engine` on, in
    `mode` where the engine has modes. This process reads the game through
    the accessibility bus of the same session."""

    def __init__(self, engine, mode=None):
        super().__init__(prefix="dropline-ime-")
        self.engine = engine
        self._mode = mode
        config = self.path("config")
        # Qt 6.4's IBus plugin finds the daemon only through its address
        # file in the configuration folder; GSettings from a key file hold
        # the engine's settings. Debian's own python3 runs the engines.
        self.env.update(HOME=self.dir, XDG_RUNTIME_DIR=self.dir, XDG_CONFIG_HOME=config,
                        GSETTINGS_BACKEND="keyfile", PATH="/usr/bin:" + self.env.get("PATH", ""))
        self.env.pop("AT_SPI_BUS_ADDRESS", None)

    def start(self):
        super().start()
        if self._mode is not None:
            settings = self.path("config/glib-2.0/settings")
            os.makedirs(settings)
            with open(os.path.join(settings, "keyfile"), "w") as keyfile:
                keyfile.write(f"[org/freedesktop/ibus/engine/{self.engine}/common]\n"
                              f"input-mode={self._mode}\n")
        self.start_bus()
        os.environ.update(DISPLAY=self.env["DISPLAY"],
                          DBUS_SESSION_BUS_ADDRESS=self.env["DBUS_SESSION_BUS_ADDRESS"])
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        self.spawn(["ibus-daemon", "--panel=disable", "--xim", "--replace"], log="ibus.log")
        poll("the IBus daemon", lambda: self.run("ibus", "address", check=False).strip()
             not in ("", "(null)"), timeout=20)
        # It sets the engine even while no input context has the focus,
        # though it says it failed then: read it back.
        def engine_on():
            self.run("ibus", "engine", self.engine, check=False)
            return self.run("ibus", "engine", check=False).strip() == self.engine
        poll(f"the engine {self.engine}", engine_on, timeout=20)

    def start_game(self, binary, language):
        """The game, in `language`, as a client of the input method, its
        accessibility on for this process to read it."""
        return x11.MouseGame(self, binary, LANG=f"{language}.UTF-8", LANGUAGE=None, LC_ALL=None,
                             QT_IM_MODULE="ibus", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                             PULSE_SERVER=f"unix:{self.dir}/no-server")

    def compose(self, *keys):
        """Types through the engine, key by key, as a player does."""
        self.xdotool("key", "--delay", "80", *keys)
