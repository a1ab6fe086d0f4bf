#pragma once

#include "drawing/GdiplusObject.h"

class GraphicsPath : public GdiplusObject<flat::GpPath, &flat::GdipDeletePath> {
public:
    bool Create(int fillMode = 0);
    bool Delete() { return deleteNative(); }
    bool Reset();

    bool AddLine(float x1, float y1, float x2, float y2);
    bool AddRectangle(float x, float y, float width, float height);
    bool AddEllipse(float x, float y, float width, float height);
    bool AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    // Four quarter arcs whose radii are a percentage (1..100) of the width and height.
    bool AddRoundedRectangle(float x, float y, float width, float height, int cornerPercent);
    bool StartFigure();
    bool CloseFigure();
    int GetPointCount() const;
};
