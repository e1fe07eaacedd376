#!/usr/bin/env python3
"""Draws the form's small images (our own, plain shapes) as PNG files in resources/images."""
import os, struct, zlib

def png(path, w, h, pixel):
    rows = b''.join(b'\x00' + b''.join(bytes(pixel(x, y)) for x in range(w)) for y in range(h))
    def chunk(kind, data):
        c = struct.pack('>I', len(data)) + kind + data
        return c + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)
    data = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
    data += chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(data)

def switch(on):
    w, h = 44, 22
    track = (46, 160, 67, 255) if on else (170, 170, 170, 255)
    def px(x, y):
        r = h / 2
        cx = w - r if on else r
        inside = (r <= x <= w - r) or (x - r) ** 2 + (y - r) ** 2 <= r * r or (x - (w - r)) ** 2 + (y - r) ** 2 <= r * r
        if not inside:
            return (0, 0, 0, 0)
        if (x - cx) ** 2 + (y - r) ** 2 <= (r - 3) ** 2:
            return (255, 255, 255, 255)
        return track
    return w, h, px

def cross(x, y, w=32, h=32):
    c = w // 2
    if abs(x - c) <= 1 or abs(y - c) <= 1:
        return (255, 0, 0, 255)
    return (0, 0, 0, 0)

def enlarge(x, y):
    edge = x in (2, 3, 28, 29) or y in (2, 3, 28, 29)
    corner = (x < 12 or x > 19) and (y < 12 or y > 19)
    return (40, 40, 40, 255) if edge and corner else (0, 0, 0, 0)

def grid(color):
    def px(x, y):
        return color if x % 16 == 0 or y % 16 == 0 else (235, 235, 235, 255)
    return px

def arrow_up_down(x, y, w=32, h=32):
    # A vertical double arrow: a shaft with a head at each end, dark with a light rim.
    c = (w - 1) / 2
    dx = abs(x - c)
    head = 9
    in_head = (y < head and dx <= y + 0.5) or (y > h - 1 - head and dx <= (h - 1 - y) + 0.5)
    in_shaft = dx <= 1.5 and head - 1 <= y <= h - head
    if in_head or in_shaft:
        return (20, 20, 20, 255)
    near = (y < head + 1 and dx <= y + 1.5) or (y > h - 2 - head and dx <= (h - 1 - y) + 1.5) or (dx <= 2.5 and head - 2 <= y <= h - head + 1)
    return (255, 255, 255, 255) if near else (0, 0, 0, 0)

def camera(x, y, w=38, h=28):
    # A camera seen from the side: a body with a lens ring in front and a small viewfinder on top.
    body = 4 <= x <= 27 and 8 <= y <= 23
    top = 8 <= x <= 15 and 4 <= y <= 7
    lens = 28 <= x <= 35 and 11 <= y <= 20 and (x - 28) <= (y - 6) and (x - 28) <= (25 - y)
    glass = (x - 15.5) ** 2 + (y - 15.5) ** 2 <= 16
    if glass:
        return (120, 180, 230, 255)
    if body or top or lens:
        return (60, 60, 60, 255)
    return (0, 0, 0, 0)

def gear(x, y, w=32, h=32):
    # A white cog wheel: a ring with eight teeth around a hole, for a dark button.
    import math
    cx, cy = (w - 1) / 2, (h - 1) / 2
    r = math.hypot(x - cx, y - cy)
    angle = math.atan2(y - cy, x - cx)
    tooth = (angle * 8 / (2 * math.pi)) % 1.0 < 0.5
    outer = 14 if tooth else 11
    if 5 <= r <= outer:
        return (255, 255, 255, 255)
    return (0, 0, 0, 0)

out = os.path.join(os.path.dirname(__file__), '..', 'resources', 'images')
os.makedirs(out, exist_ok=True)
for name, on in (('turn_on.png', True), ('turn_off.png', False)):
    w, h, px = switch(on)
    png(os.path.join(out, name), w, h, px)
png(os.path.join(out, 'label.png'), 32, 32, cross)
png(os.path.join(out, 'image_max.png'), 32, 32, enlarge)
png(os.path.join(out, '1.png'), 96, 54, grid((60, 120, 200, 255)))
png(os.path.join(out, '3.png'), 96, 54, grid((200, 120, 60, 255)))
png(os.path.join(out, 'arrow-up-down.png'), 32, 32, arrow_up_down)
png(os.path.join(out, 'default_camera.png'), 38, 28, camera)
png(os.path.join(out, 'main_settings1.png'), 32, 32, gear)
