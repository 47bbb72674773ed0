#!/usr/bin/env python3
"""CursorName.py: the cursor the X display shows now: its name as the X server knows it ("left_ptr";
"-" for a cursor made from a picture, as Wine makes its own), its size and hot spot. Not its pixels:
those of an animated cursor, as the wait cursor is, change from frame to frame. The display is
$DISPLAY; read through the X fixes extension, with the libraries Wine needs."""
import ctypes


class TCursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)), ("atom", ctypes.c_ulong),
                ("name", ctypes.c_char_p)]


x11 = ctypes.CDLL("libX11.so.6")
fixes = ctypes.CDLL("libXfixes.so.3")
x11.XOpenDisplay.restype = ctypes.c_void_p
fixes.XFixesGetCursorImage.restype = ctypes.POINTER(TCursorImage)
fixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
display = x11.XOpenDisplay(None)
if not display:
    raise SystemExit("no X display")
image = fixes.XFixesGetCursorImage(display).contents
print((image.name or b"-").decode(), image.width, image.height, image.xhot, image.yhot)
