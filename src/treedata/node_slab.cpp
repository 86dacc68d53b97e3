#include "treedata/node_slab.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "treedata/large_blocks.h"

namespace ruzi {

// A chunk's header, followed by its blocks. Owner is cleared when the slab goes first.
struct NodeSlab::Chunk {
  NodeSlab* Owner;
  std::uint32_t Live;
  std::uint32_t Bytes;
};

namespace {

constexpr std::size_t kHeader = sizeof(void*);
constexpr std::size_t kChunkHeader = 16;
// A million-row tree is read at random over hundreds of megabytes: its chunks grow to blocks of
// large pages.
constexpr std::size_t kMaxChunkBytes = std::size_t{8} << 20;
constexpr std::size_t kLargePageChunkBytes = std::size_t{4} << 20;

std::size_t Rounded(std::size_t size) { return (size + 7) & ~std::size_t{7}; }

void DeleteChunk(void* chunk, std::size_t bytes) { FreeBlock(chunk, bytes, kLargePageChunkBytes); }

}  // namespace

NodeSlab::~NodeSlab() {
  for (Chunk* chunk : chunks_) {
    if (chunk->Live == 0) {
      DeleteChunk(chunk, chunk->Bytes);
    } else {
      chunk->Owner = nullptr;
    }
  }
}

void* NodeSlab::Allocate(std::size_t Size, NodeSlab* Slab) {
  bool zeroed = false;
  return Object(Size, Slab, zeroed);
}

void* NodeSlab::AllocateZeroed(std::size_t Size, NodeSlab* Slab) {
  bool zeroed = false;
  void* object = Object(Size, Slab, zeroed);
  return zeroed ? object : std::memset(object, 0, Size);
}

void* NodeSlab::Object(std::size_t Size, NodeSlab* Slab, bool& Zeroed) {
  const std::size_t bytes = kHeader + Rounded(Size);
  Zeroed = false;
  void* block = Slab != nullptr ? Slab->Take(bytes, Zeroed) : ::operator new(bytes);
  if (Slab == nullptr) *static_cast<Chunk**>(block) = nullptr;
  return static_cast<char*>(block) + kHeader;
}

NodeSlab* NodeSlab::OwnerOf(const void* Object) {
  const Chunk* chunk = *reinterpret_cast<Chunk* const*>(static_cast<const char*>(Object) - kHeader);
  return chunk != nullptr ? chunk->Owner : nullptr;
}

void NodeSlab::Free(void* Object, std::size_t Size) {
  if (Object == nullptr) return;
  void* block = static_cast<char*>(Object) - kHeader;
  Chunk* chunk = *static_cast<Chunk**>(block);
  if (chunk == nullptr) {
    ::operator delete(block);
    return;
  }
  --chunk->Live;
  if (NodeSlab* owner = chunk->Owner) {
    --owner->live_;
    if (Size != 0) owner->Give(block, kHeader + Rounded(Size));
    if (owner->live_ == 0) owner->ReleaseChunks();
  } else if (chunk->Live == 0) {
    DeleteChunk(chunk, chunk->Bytes);
  }
}

void* NodeSlab::Take(std::size_t bytes, bool& Zeroed) {
  Zeroed = false;
  for (FreeList& list : free_) {
    if (list.Size != bytes || list.Head == nullptr) continue;
    void* block = list.Head;
    list.Head = *reinterpret_cast<void**>(static_cast<char*>(block) + kHeader);
    ++(*static_cast<Chunk**>(block))->Live;
    ++live_;
    return block;
  }
  if (static_cast<std::size_t>(end_ - next_) < bytes) {
    while (nextChunkBytes_ < bytes + kChunkHeader) nextChunkBytes_ *= 2;
    auto* chunk = static_cast<Chunk*>(AllocateBlock(nextChunkBytes_, kLargePageChunkBytes));
    chunk->Owner = this;
    chunk->Live = 0;
    chunk->Bytes = static_cast<std::uint32_t>(nextChunkBytes_);
    chunks_.push_back(chunk);
    next_ = reinterpret_cast<char*>(chunk) + kChunkHeader;
    end_ = reinterpret_cast<char*>(chunk) + nextChunkBytes_;
    restZeroed_ = nextChunkBytes_ >= kLargePageChunkBytes;  // a block of large pages, fresh
    if (nextChunkBytes_ < kMaxChunkBytes) nextChunkBytes_ *= 2;
  }
  void* block = next_;
  next_ += bytes;
  Zeroed = restZeroed_;
  Chunk* chunk = chunks_.back();
  *static_cast<Chunk**>(block) = chunk;
  ++chunk->Live;
  ++live_;
  return block;
}

// The chunk word stays in place; the link to the next free block takes the object's first word.
void NodeSlab::Give(void* block, std::size_t bytes) {
  for (FreeList& list : free_) {
    if (list.Size != bytes) continue;
    *reinterpret_cast<void**>(static_cast<char*>(block) + kHeader) = list.Head;
    list.Head = block;
    return;
  }
  *reinterpret_cast<void**>(static_cast<char*>(block) + kHeader) = nullptr;
  free_.push_back(FreeList{bytes, block});
}

// Nothing lives in the chunks any more: they go, so an emptied tree holds no memory.
void NodeSlab::ReleaseChunks() {
  for (Chunk* chunk : chunks_) DeleteChunk(chunk, chunk->Bytes);
  chunks_.clear();
  free_.clear();
  next_ = end_ = nullptr;
  restZeroed_ = false;
  nextChunkBytes_ = 4096;
}

}  // namespace ruzi
