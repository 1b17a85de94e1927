"""Where each picture of the cross stands in the 600 x 420 window when every angle is 0.

The pictures stand on a unit sphere around (0, 0, -4), each facing the viewer; the projection has
a 50-degree vertical field of view. For a window pixel this finds which slot's square is nearest
along the ray through it and which texture coordinate (s, t) it shows there.
"""

import math

WIDTH, HEIGHT = 600, 420
FOCAL = 1.0 / math.tan(math.radians(25.0))
ASPECT = WIDTH / HEIGHT

# Slot -> (angle along its arm in degrees, arm): slots 1-2 above, 3-4 below, 5-6 right, 7-8 left.
PLACEMENTS = {
    0: (0, "column"),
    1: (30, "column"), 2: (60, "column"), 3: (-30, "column"), 4: (-60, "column"),
    5: (30, "row"), 6: (60, "row"), 7: (-30, "row"), 8: (-60, "row"),
}


def square_centre(slot):
    angle, arm = PLACEMENTS[slot]
    along = math.sin(math.radians(angle))
    depth = -4.0 + math.cos(math.radians(angle))
    return (0.0, along, depth) if arm == "column" else (along, 0.0, depth)


def texel_at(px, py):
    """(slot, s, t) of the nearest square seen through window pixel (px, py), y downwards,
    or None where no square is."""
    ndc_x = (px + 0.5) / WIDTH * 2 - 1
    ndc_y = 1 - (py + 0.5) / HEIGHT * 2
    dir_x = ndc_x * ASPECT / FOCAL
    dir_y = ndc_y / FOCAL
    best = None
    for slot in PLACEMENTS:
        cx, cy, cz = square_centre(slot)
        # The ray (dir_x, dir_y, -1) * d meets the plane z = cz at d = -cz.
        x, y = dir_x * -cz, dir_y * -cz
        s, t = x - cx + 0.5, y - cy + 0.5
        if 0 <= s <= 1 and 0 <= t <= 1 and (best is None or cz > best[0]):
            best = (cz, slot, s, t)
    return None if best is None else best[1:]


def sample_points(slot, step=6, margin=0.08):
    """Window pixels showing `slot` well inside its square, with their (s, t)."""
    points = []
    for py in range(0, HEIGHT, step):
        for px in range(0, WIDTH, step):
            hit = texel_at(px, py)
            if hit and hit[0] == slot and margin < hit[1] < 1 - margin \
                    and margin < hit[2] < 1 - margin:
                points.append((px, py, hit[1], hit[2]))
    return points
