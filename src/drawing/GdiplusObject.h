#pragma once

#include <cstdint>
#include <utility>

#include "drawing/GdiplusFlat.h"
#include "drawing/LastStatus.h"
#include "drawing/LiveObjects.h"

// The common part of every GDI+ wrapper: owns one native object and frees it exactly once
// with DeleteFunction. Move-only; an empty wrapper holds null, which GDI+ rejects politely.
template <typename Native, auto DeleteFunction>
class GdiplusObject {
public:
    GdiplusObject(const GdiplusObject&) = delete;
    GdiplusObject& operator=(const GdiplusObject&) = delete;

    Native* GetNativeObject() const noexcept { return m_native; }
    explicit operator bool() const noexcept { return m_native != nullptr; }

    // Takes ownership of a native object, freeing the one held before.
    void SetNativeObject(Native* native) noexcept
    {
        deleteNative();
        if (native)
            noteCreated(NativeKind::Gdiplus);
        m_native = native;
    }

protected:
    GdiplusObject() noexcept = default;
    GdiplusObject(GdiplusObject&& other) noexcept : m_native(std::exchange(other.m_native, nullptr)) {}
    GdiplusObject& operator=(GdiplusObject&& other) noexcept
    {
        if (this != &other) {
            deleteNative();
            m_native = std::exchange(other.m_native, nullptr);
        }
        return *this;
    }
    ~GdiplusObject() { deleteNative(); }

    // False, without touching lastStatus(), when nothing is held.
    bool deleteNative() noexcept
    {
        if (!m_native)
            return false;
        const bool ok = recordStatus(DeleteFunction(std::exchange(m_native, nullptr)));
        noteDeleted(NativeKind::Gdiplus);
        return ok;
    }

    // Finishes a create call: the new object (null on failure) replaces the old one and the
    // create call's status is the one left in lastStatus().
    bool adopt(flat::GpStatus status, Native* created) noexcept
    {
        SetNativeObject(status == flat::Ok ? created : nullptr);
        return recordStatus(status);
    }

    Native* native() const noexcept { return m_native; }

private:
    Native* m_native = nullptr;
};
