// The memory stream GDI+ decodes a picture from: what CreateStreamOnHGlobal gives on Windows.
#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>
#include <vector>

#include "platform/ComStream.h"

namespace {
class TGlobalMemoryStream final : public TComStream {
public:
    explicit TGlobalMemoryStream(std::vector<uint8_t>&& Block) : FData(std::move(Block)) {}

    TComResult QueryInterface(const TComGuid& Iid, void** Object) override {
        if (!Object) return E_POINTER;
        *Object = IsStreamInterface(Iid) ? this : nullptr;
        if (!*Object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    uint32_t AddRef() override { return ++FRefs; }
    uint32_t Release() override {
        const uint32_t left = --FRefs;
        if (left == 0) delete this;
        return left;
    }
    TComResult Read(void* Buffer, uint32_t Count, uint32_t* ReadCount) override {
        if (!Buffer) return STG_E_INVALIDPOINTER;
        const uint64_t n = FPosition >= FSize ? 0 : std::min<uint64_t>(Count, FSize - FPosition);
        if (n) std::memcpy(Buffer, FData.data() + FPosition, n);
        FPosition += n;
        if (ReadCount) *ReadCount = static_cast<uint32_t>(n);
        return S_OK;
    }
    TComResult Write(const void* Buffer, uint32_t Count, uint32_t* Written) override {
        if (!Buffer) return STG_E_INVALIDPOINTER;
        if (FPosition + Count > FSize && SetSize(FPosition + Count) != S_OK) return STG_E_CANTSAVE;
        if (Count) std::memcpy(FData.data() + FPosition, Buffer, Count);
        FPosition += Count;
        if (Written) *Written = Count;
        return S_OK;
    }
    TComResult Seek(int64_t Move, uint32_t Origin, uint64_t* NewPosition) override {
        int64_t base = 0;
        switch (Origin) {
        case 0: base = 0; break;
        case 1: base = static_cast<int64_t>(FPosition); break;
        case 2: base = static_cast<int64_t>(FSize); break;
        default: return STG_E_INVALIDFUNCTION;
        }
        if (base + Move < 0) return STG_E_INVALIDFUNCTION;
        FPosition = static_cast<uint64_t>(base + Move);
        if (NewPosition) *NewPosition = FPosition;
        return S_OK;
    }
    TComResult SetSize(uint64_t NewSize) override {
        try {
            if (NewSize > FData.size()) FData.resize(NewSize);
        } catch (const std::bad_alloc&) {
            return E_FAIL;
        }
        FSize = NewSize;
        return S_OK;
    }
    TComResult CopyTo(TComStream* Target, uint64_t Count, uint64_t* ReadCount, uint64_t* Written) override {
        if (!Target) return STG_E_INVALIDPOINTER;
        const uint64_t n = FPosition >= FSize ? 0 : std::min<uint64_t>(Count, FSize - FPosition);
        uint32_t done = 0;
        const TComResult r = Target->Write(FData.data() + FPosition, static_cast<uint32_t>(n), &done);
        FPosition += n;
        if (ReadCount) *ReadCount = n;
        if (Written) *Written = done;
        return r;
    }
    TComResult Commit(uint32_t) override { return S_OK; }
    TComResult Revert() override { return S_OK; }
    TComResult LockRegion(uint64_t, uint64_t, uint32_t) override { return STG_E_INVALIDFUNCTION; }
    TComResult UnlockRegion(uint64_t, uint64_t, uint32_t) override { return STG_E_INVALIDFUNCTION; }
    TComResult Stat(TComStatStg* Record, uint32_t) override {
        if (!Record) return STG_E_INVALIDPOINTER;
        *Record = TComStatStg{};
        Record->type = kStgTyStream;
        Record->cbSize = FSize;
        return S_OK;
    }
    TComResult Clone(TComStream** Stream) override {
        if (Stream) *Stream = nullptr;
        return E_NOTIMPL;
    }

private:
    ~TGlobalMemoryStream() = default;

    std::vector<uint8_t> FData;
    uint64_t FSize{0};
    uint64_t FPosition{0};
    std::atomic<uint32_t> FRefs{1};
};
} // namespace

TImageStreamResult CreateImageStream(uint64_t Size, TComStream** Stream) {
    *Stream = nullptr;
    std::vector<uint8_t> block;
    try {
        block.reserve(Size);
    } catch (const std::exception&) {
        return TImageStreamResult::NoMemory;
    }
    *Stream = new (std::nothrow) TGlobalMemoryStream(std::move(block));
    return *Stream ? TImageStreamResult::Ok : TImageStreamResult::NoStream;
}
