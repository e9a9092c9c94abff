"""Camera: pinhole projection of the little 3D scenes."""

import math


class Camera:
    def __init__(self, elevation=28.0, azimuth=0.0, distance=24.0, target=(0.0, 0.0, 0.0)):
        self.el = math.radians(elevation)
        self.az = math.radians(azimuth)
        self.d = distance
        self.t = target
        self.f, self.cx, self.cy = 1.0, 0.0, 0.0

    def _view(self, x, y, z):
        x, y, z = x - self.t[0], y - self.t[1], z - self.t[2]
        ca, sa = math.cos(self.az), math.sin(self.az)
        xr = x * ca - y * sa
        yr = x * sa + y * ca
        ce, se = math.cos(self.el), math.sin(self.el)
        xc = xr
        yc = z * ce - yr * se
        zc = self.d - (yr * ce + z * se)
        return xc, yc, zc

    def p(self, x, y, z=0.0):
        xc, yc, zc = self._view(x, y, z)
        return (self.cx + self.f * xc / zc, self.cy - self.f * yc / zc)

    def depth(self, x, y, z=0.0):
        return self._view(x, y, z)[2]

    def eye(self):
        ca, sa = math.cos(self.az), math.sin(self.az)
        yr, z = self.d * math.cos(self.el), self.d * math.sin(self.el)
        return (self.t[0] + yr * sa, self.t[1] + yr * ca, self.t[2] + z)

    def ring(self, plan, z):
        return [self.p(x, y, z) for x, y in plan]

    def fit(self, pts3d, box):
        """Choose focal length and centre so that the points fill the screen box."""
        self.f, self.cx, self.cy = 1.0, 0.0, 0.0
        pr = [self.p(*q) for q in pts3d]
        xs, ys = [q[0] for q in pr], [q[1] for q in pr]
        bx0, by0, bx1, by1 = box
        s = min((bx1 - bx0) / (max(xs) - min(xs)), (by1 - by0) / (max(ys) - min(ys)))
        self.f = s
        self.cx = (bx0 + bx1) / 2 - s * (min(xs) + max(xs)) / 2
        self.cy = (by0 + by1) / 2 - s * (min(ys) + max(ys)) / 2
        return self

    def faces_viewer(self, point, normal):
        e = self.eye()
        return sum((p - q) * n for p, q, n in zip(point, e, normal)) < 0


def bounds3d(plan, z0, z1):
    return [(x, y, z) for x, y in plan for z in (z0, z1)]
