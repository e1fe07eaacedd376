#!/usr/bin/python3
"""Writes a detector-shaped ONNX model whose outputs are known.

Input "images" 1x3x416x416; one output per level, 1 x (3*(classes+5)) x gy x gx for the strides
8, 16 and 32. Each level is a zero 1x1 convolution of the input pooled to its grid plus a constant
of logits: every value is -10 except the cells given in the JSON argument, so the detections do
not depend on the picture.

  make_model.py OUT.onnx CLASSES OUTPUTS '[{"level":0,"anchor":0,"row":10,"col":20,
                                            "logits":{"4":2.0,"5":3.0}}, ...]' [CHANNELS [NAMES]]

CHANNELS (default 3) is the input's channel count; another count makes the forward pass fail.
NAMES (default out0,out1,out2) names the outputs of the levels, comma-separated. A logit may be
NaN.
"""
import json
import sys

import numpy as np
import onnx
from onnx import TensorProto, helper, numpy_helper

SIZE = 416
STRIDES = (8, 16, 32)


def main():
    out, classes, outputs, cells = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), json.loads(sys.argv[4])
    channels = int(sys.argv[5]) if len(sys.argv) > 5 else 3
    names = sys.argv[6].split(",") if len(sys.argv) > 6 else [f"out{k}" for k in range(len(STRIDES))]
    nout = classes + 5
    consts = [np.full((1, 3 * nout, SIZE // s, SIZE // s), -10.0, np.float32) for s in STRIDES]
    for cell in cells:
        for channel, logit in cell["logits"].items():
            consts[cell["level"]][0, cell["anchor"] * nout + int(channel), cell["row"], cell["col"]] = logit
    nodes, inits, outs = [], [], []
    for k in range(outputs):
        s = STRIDES[k]
        nodes.append(helper.make_node("AveragePool", ["images"], [f"pool{k}"], kernel_shape=[s, s], strides=[s, s]))
        inits.append(numpy_helper.from_array(np.zeros((3 * nout, channels, 1, 1), np.float32), f"w{k}"))
        nodes.append(helper.make_node("Conv", [f"pool{k}", f"w{k}"], [f"zero{k}"], kernel_shape=[1, 1]))
        inits.append(numpy_helper.from_array(consts[k], f"logits{k}"))
        nodes.append(helper.make_node("Add", [f"zero{k}", f"logits{k}"], [names[k]]))
        outs.append(helper.make_tensor_value_info(names[k], TensorProto.FLOAT, list(consts[k].shape)))
    graph = helper.make_graph(nodes, "detector", [helper.make_tensor_value_info(
        "images", TensorProto.FLOAT, [1, channels, SIZE, SIZE])], outs, inits)
    model = helper.make_model(graph, opset_imports=[helper.make_opsetid("", 11)])
    model.ir_version = 7
    onnx.checker.check_model(model)
    onnx.save(model, out)


if __name__ == "__main__":
    main()
