#!/usr/bin/env python3
"""xclose.py WINDOW_ID: sends the WM_DELETE_WINDOW client message, as a window
manager's close button does. `xdotool windowclose` destroys the X window
instead, and a Qt program then keeps running with no window at all."""
import ctypes
import sys

L, P = ctypes.c_long, ctypes.c_void_p


class ClientMessage(ctypes.Structure):  # XClientMessageEvent, padded to an XEvent
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", P), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", L * 5), ("pad", L * 12)]


window = int(sys.argv[1], 0)
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = P
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [P, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [P, ctypes.c_ulong, ctypes.c_int, L, ctypes.POINTER(ClientMessage)]
x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [P]
display = x11.XOpenDisplay(None) or sys.exit("xclose.py: cannot open the display")
event = ClientMessage(type=33, window=window, format=32)  # 33: ClientMessage
event.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.l[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)  # l[1] = 0: CurrentTime
ok = x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x11.XFlush(display)
x11.XCloseDisplay(display)
sys.exit(0 if ok else 1)
