"""The end-to-end harness of Tavrin Dropline: the real game under real
desktops (X11, Wayland compositors, the Orca screen reader, sound servers),
one module per concern; each scenario is a short script on top, which sets
sys.dont_write_bytecode before importing it."""
