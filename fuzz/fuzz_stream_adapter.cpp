// libFuzzer target for the COM stream adapter over a memory stream: the input is a program of stream
// calls (read, write, seek, set size, copy, stat, ...) with hostile counts and offsets, checked
// against a plain model of the bytes and the position. The wrapped memory stream is kept below
// 64 KiB, its own limit here, so that the fuzzer measures the adapter and not the allocator.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "framework/StreamAdapter.h"

namespace {

constexpr int64_t kMaxStream = 64ll << 10;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Takes little-endian values from the input; zeros once it runs out.
class TInput {
public:
    TInput(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
    bool Done() const { return FAt >= FSize; }
    uint64_t Take(int bytes) {
        uint64_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= uint64_t(FAt < FSize ? FData[FAt++] : 0) << (8 * i);
        return v;
    }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FAt{0};
};

struct TModel {
    std::vector<uint8_t> Bytes;
    int64_t Position{0};
    int64_t Size() const { return static_cast<int64_t>(Bytes.size()); }
    int64_t Left() const { return std::max<int64_t>(0, Size() - Position); }
};

void Read(TStreamAdapter& a, TModel& m, TInput& in) {
    const auto count = static_cast<uint32_t>(in.Take(3) % (2 * kMaxStream));
    std::vector<uint8_t> buffer(count + 1); // never null: a null buffer is refused
    uint32_t got = 0xFFFFFFFF;
    Check(a.Read(buffer.data(), count, &got) == S_OK);
    Check(got == std::min<int64_t>(count, m.Left()));
    Check(got == 0 || std::equal(buffer.begin(), buffer.begin() + got, m.Bytes.begin() + m.Position));
    m.Position += got;
}

void Write(TStreamAdapter& a, TModel& m, TInput& in) {
    const auto count = static_cast<uint32_t>(in.Take(2));
    if (m.Position + count > kMaxStream) return;
    std::vector<uint8_t> bytes(count + 1);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(in.Take(1));
    bytes.pop_back();
    bytes.reserve(count + 1); // never null: a null buffer is refused
    uint32_t put = 0;
    Check(a.Write(bytes.data(), count, &put) == S_OK && put == count);
    if (count == 0) return;
    if (m.Position + count > m.Size()) m.Bytes.resize(static_cast<size_t>(m.Position + count));
    std::copy(bytes.begin(), bytes.end(), m.Bytes.begin() + m.Position);
    m.Position += count;
}

void Seek(TStreamAdapter& a, TModel& m, TInput& in) {
    const auto move = static_cast<int64_t>(in.Take(8));
    const auto origin = static_cast<uint32_t>(in.Take(1) % 4);
    uint64_t now = 0xDEAD;
    const TComResult r = a.Seek(move, origin, &now);
    if (origin > 2) {
        Check(r == STG_E_INVALIDFUNCTION && now == 0xDEAD);
        return;
    }
    const int64_t base = origin == 0 ? 0 : origin == 1 ? m.Position : m.Size();
    m.Position = std::max<int64_t>(0, base + static_cast<int32_t>(static_cast<uint32_t>(move)));
    Check(r == S_OK && now == static_cast<uint64_t>(m.Position));
}

void SetSize(TStreamAdapter& a, TModel& m, TInput& in) {
    uint64_t size = in.Take(4) % static_cast<uint64_t>(kMaxStream);
    if (in.Take(1) == 0xFF) size = std::numeric_limits<uint64_t>::max() - in.Take(1); // not a stream size
    const TComResult r = a.SetSize(size);
    if (size > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) {
        Check(r != S_OK); // refused, and nothing changes
        return;
    }
    Check(r == S_OK);
    m.Bytes.resize(size);
    m.Position = std::min(m.Position, m.Size());
}

void CopyTo(TStreamAdapter& a, TModel& m, TInput& in) {
    const uint64_t count =
        in.Take(1) == 0xFF ? std::numeric_limits<uint64_t>::max() : in.Take(3) % (2 * kMaxStream);
    TMemoryStream target;
    auto* sink = new TStreamAdapter(&target);
    uint64_t read = 0, written = 0;
    Check(a.CopyTo(sink, count, &read, &written) == S_OK);
    sink->Release();
    const auto expected = static_cast<uint64_t>(
        std::min<int64_t>(static_cast<int64_t>(std::min<uint64_t>(count, kMaxStream)), m.Left()));
    Check(read == expected && written == expected && target.Size() == static_cast<int64_t>(expected));
    Check(expected == 0 ||
          std::equal(target.Memory(), target.Memory() + expected, m.Bytes.begin() + m.Position));
    m.Position += static_cast<int64_t>(expected);
}

void Others(TStreamAdapter& a, TModel& m, TInput& in) {
    TComStatStg stat{};
    Check(a.Stat(&stat, 0) == S_OK && stat.type == kStgTyStream &&
          stat.cbSize == static_cast<uint64_t>(m.Size()));
    TComGuid iid;
    iid.Data1 = static_cast<uint32_t>(in.Take(4));
    void* object = &iid;
    const TComResult q = a.QueryInterface(iid, &object);
    Check(q == S_OK ? object == &a : q == E_NOINTERFACE && object == nullptr);
    if (q == S_OK) a.Release();
    TComStream* clone = &a;
    Check(a.Clone(&clone) == E_NOTIMPL && clone == nullptr);
    Check(a.Commit(0) == S_OK && a.Revert() == STG_E_REVERTED);
    Check(a.LockRegion(in.Take(8), in.Take(8), 1) == STG_E_INVALIDFUNCTION);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TInput in(Data, Size);
    TMemoryStream stream;
    TModel model;
    auto* adapter = new TStreamAdapter(&stream);
    while (!in.Done()) {
        const int op = static_cast<int>(in.Take(1) % 6);
        switch (op) {
        case 0:
            Read(*adapter, model, in);
            break;
        case 1:
            Write(*adapter, model, in);
            break;
        case 2:
            Seek(*adapter, model, in);
            break;
        case 3:
            SetSize(*adapter, model, in);
            break;
        case 4:
            CopyTo(*adapter, model, in);
            break;
        default:
            Others(*adapter, model, in);
            break;
        }
        Check(stream.Size() == model.Size() && stream.Position() == model.Position);
    }
    Check(adapter->Release() == 0);
    return 0;
}
