#pragma once
// Memory for one tree's nodes and rows, handed out in the order they are asked for from chunks
// of growing size (up to 8 MiB, the larger ones blocks of large pages): a node and the row made
// right after it lie side by side, and a tree built row by row is read back in address order. Each object stays freeable on its own: a header
// word before it names its chunk (nullptr: the object came from the heap). Freed memory is
// kept on a list per size and handed out again; the chunks go when the tree is left with no
// object in them, or with the slab. An object that outlives its slab (a node moved to another
// tree, one taken out and kept) keeps its chunk, which goes with the last object in it.
// Objects need no more than 8-byte alignment. The tree's thread only.
#include <cstddef>
#include <vector>

namespace ruzi {

class NodeSlab {
 public:
  NodeSlab() = default;
  ~NodeSlab();
  NodeSlab(const NodeSlab&) = delete;
  NodeSlab& operator=(const NodeSlab&) = delete;

  // Size bytes from Slab, or from the heap when Slab is nullptr.
  static void* Allocate(std::size_t Size, NodeSlab* Slab);
  // The same, all zeros: memory a chunk of large pages has not handed out yet is zero from the
  // system and is not cleared again (a million rows' first slots would be written twice).
  static void* AllocateZeroed(std::size_t Size, NodeSlab* Slab);
  // The slab Object (from Allocate) came from while it lives, else nullptr.
  static NodeSlab* OwnerOf(const void* Object);
  // Size is the size allocated, or 0 when unknown (the memory is then not handed out again).
  static void Free(void* Object, std::size_t Size);

 private:
  struct Chunk;
  struct FreeList {
    std::size_t Size;
    void* Head;
  };

  // An object's memory after its header word; Zeroed tells whether it is as the system gave it.
  static void* Object(std::size_t Size, NodeSlab* Slab, bool& Zeroed);
  // A block; Zeroed tells whether it is still as the system gave it.
  void* Take(std::size_t bytes, bool& Zeroed);
  void Give(void* block, std::size_t bytes);
  void ReleaseChunks();

  std::vector<Chunk*> chunks_;
  char* next_ = nullptr;
  char* end_ = nullptr;
  bool restZeroed_ = false;  // next_ to end_ untouched since the system zeroed it
  std::size_t nextChunkBytes_ = 4096;
  std::size_t live_ = 0;
  std::vector<FreeList> free_;
};

}  // namespace ruzi
