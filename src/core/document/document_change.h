#pragma once

namespace solvara {

// What an edit of a document changed, so that a view redraws only what it must. An edit
// returns the union of the flags; none() means the edit changed nothing.
enum class DocumentChange : unsigned {
    none = 0,
    inputs = 1u << 0,   // a value the user enters: temperature, a mode, a volume, a unit ...
    rows = 1u << 1,     // the parts the document is made of: reagent rows, buffer, salt
    results = 1u << 2,  // what the calculation found
    title = 1u << 3,
    modified = 1u << 4,  // the modified flag was switched
};

constexpr DocumentChange operator|(DocumentChange a, DocumentChange b) {
    return static_cast<DocumentChange>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

constexpr DocumentChange operator&(DocumentChange a, DocumentChange b) {
    return static_cast<DocumentChange>(static_cast<unsigned>(a) & static_cast<unsigned>(b));
}

constexpr DocumentChange& operator|=(DocumentChange& a, DocumentChange b) { return a = a | b; }

// Whether `changes` holds any of the flags of `wanted`.
constexpr bool has(DocumentChange changes, DocumentChange wanted) {
    return (changes & wanted) != DocumentChange::none;
}

}  // namespace solvara
