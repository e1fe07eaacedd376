#!/usr/bin/python3
"""Writes a detector of a deployed model's size with random weights: the benchmark's model.

Input "images" 1x3x416x416; a backbone of 3x3 convolutions and 2x2 max pools down to a 13 by 13
grid, two ways back up (1x1 convolution, nearest upsampling, joined with the backbone's 26 and
52 grids) and one head per grid: "grid52", "grid26" and "grid13", each 1 x 3*(CLASSES+5) x g x g.
Every convolution is followed by a leaky ReLU but the heads; the weights are seeded random
numbers scaled to keep the activations near 1. Each head adds a constant of logits, -10 but at a
few cells, so the detector finds a handful of boxes as a trained model does, not thousands.

  make_bench_model.py OUT.onnx [CLASSES]

Prints the number of weights and the multiply-adds of one forward pass.
"""
import sys

import numpy as np
import onnx
from onnx import TensorProto, helper, numpy_helper

SIZE = 416


class Builder:
    def __init__(self, classes):
        self.rng = np.random.default_rng(416)
        self.nodes, self.inits = [], []
        self.weights = 0
        self.macs = 0
        self.count = 0
        self.nout = 3 * (classes + 5)

    def name(self, kind):
        self.count += 1
        return f"{kind}{self.count}"

    def const(self, array, kind):
        name = self.name(kind)
        self.inits.append(numpy_helper.from_array(array.astype(np.float32), name))
        return name

    def conv(self, x, size, cin, cout, k, leaky=True, gain=1.0):
        w = self.rng.standard_normal((cout, cin, k, k)) * gain * np.sqrt(2.0 / (cin * k * k))
        b = np.zeros(cout)
        out = self.name("conv")
        self.nodes.append(helper.make_node("Conv", [x, self.const(w, "w"), self.const(b, "b")], [out],
                                           kernel_shape=[k, k], pads=[k // 2] * 4))
        self.weights += w.size + b.size
        self.macs += size * size * cin * cout * k * k
        if not leaky:
            return out
        act = self.name("leaky")
        self.nodes.append(helper.make_node("LeakyRelu", [out], [act], alpha=0.1))
        return act

    def pool(self, x):
        out = self.name("pool")
        self.nodes.append(helper.make_node("MaxPool", [x], [out], kernel_shape=[2, 2], strides=[2, 2]))
        return out

    def up(self, x):
        out = self.name("up")
        scales = self.const(np.array([1, 1, 2, 2]), "scales")
        roi = self.const(np.zeros(0), "roi")
        self.nodes.append(helper.make_node("Resize", [x, roi, scales], [out], mode="nearest",
                                           coordinate_transformation_mode="asymmetric", nearest_mode="floor"))
        return out

    def concat(self, a, b):
        out = self.name("cat")
        self.nodes.append(helper.make_node("Concat", [a, b], [out], axis=1))
        return out

    def head(self, x, size, cin, name, cells):
        raw = self.conv(x, size, cin, self.nout, 1, leaky=False, gain=0.05)
        logits = np.full((1, self.nout, size, size), -10.0)
        for row, col in cells:  # anchor 0, centred on the cell, objectness and class 0 high
            logits[0, 0:4, row, col] = 0
            logits[0, 4:6, row, col] = 3
        self.nodes.append(helper.make_node("Add", [raw, self.const(logits, "logits")], [name]))
        return helper.make_tensor_value_info(name, TensorProto.FLOAT, [1, self.nout, size, size])


def main():
    out = sys.argv[1]
    classes = int(sys.argv[2]) if len(sys.argv) > 2 else 2
    m = Builder(classes)
    x = m.pool(m.conv("images", 416, 3, 16, 3))
    x = m.pool(m.conv(x, 208, 16, 32, 3))
    x = m.pool(m.conv(x, 104, 32, 64, 3))
    g52 = m.conv(x, 52, 64, 128, 3)
    g26 = m.conv(m.pool(g52), 26, 128, 256, 3)
    x = m.conv(m.pool(g26), 13, 256, 512, 3)
    x = m.conv(x, 13, 512, 1024, 3)
    x = m.conv(x, 13, 1024, 256, 1)
    outs = [m.head(m.conv(x, 13, 256, 512, 3), 13, 512, "grid13", [(6, 6)])]
    y = m.concat(m.up(m.conv(x, 13, 256, 128, 1)), g26)
    y = m.conv(y, 26, 384, 256, 3)
    outs.append(m.head(y, 26, 256, "grid26", [(8, 20)]))
    z = m.concat(m.up(m.conv(y, 26, 256, 64, 1)), g52)
    z = m.conv(z, 52, 192, 128, 3)
    outs.append(m.head(z, 52, 128, "grid52", [(30, 12), (40, 40)]))
    graph = helper.make_graph(m.nodes, "detector", [helper.make_tensor_value_info(
        "images", TensorProto.FLOAT, [1, 3, SIZE, SIZE])], outs, m.inits)
    model = helper.make_model(graph, opset_imports=[helper.make_opsetid("", 11)])
    model.ir_version = 7
    onnx.checker.check_model(model)
    onnx.save(model, out)
    print(f"{m.weights / 1e6:.2f} M weights, {m.macs / 1e9:.2f} G multiply-adds = {2 * m.macs / 1e9:.2f} GFLOP a picture")


if __name__ == "__main__":
    main()
