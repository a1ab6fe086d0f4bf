#pragma once

// Counts the native objects the drawing layer creates and has not yet freed, so tests can
// show that a run of drawing leaves nothing behind.
enum class NativeKind { Gdiplus, MemoryDc, GdiBitmap, Stream };

void noteCreated(NativeKind kind);
void noteDeleted(NativeKind kind);

int liveNativeObjects(NativeKind kind);
int liveNativeObjects();
