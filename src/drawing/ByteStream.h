#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <memory>

#include "core/Bytes.h"

// A COM stream over bytes held in the process's own heap: what GDI+ decodes from and
// encodes into, without ole32 and its global memory blocks. It grows when written past its
// end, as a stream on global memory does. Reference counted like any COM object: created
// with one reference, gone with the last Release. Clones share the bytes, each with its own
// position.
class ByteStream final : public IStream {
public:
    // A stream of `size` bytes starting with the data; a larger size leaves the rest zero.
    static ByteStream* create(ByteView data, std::size_t size);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // ISequentialStream
    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override;
    HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG count, ULONG* written) override;

    // IStream
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override;
    HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read,
        ULARGE_INTEGER* written) override;
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream** copy) override;

    ByteStream(const ByteStream&) = delete;
    ByteStream& operator=(const ByteStream&) = delete;

private:
    ByteStream(std::shared_ptr<ByteArray> bytes, std::size_t position);
    ~ByteStream();

    // Makes room up to `end`; false beyond what a stream on global memory could hold.
    bool reach(ULONGLONG end);

    std::shared_ptr<ByteArray> m_bytes;
    std::size_t m_position;
    LONG m_references = 1;
};
