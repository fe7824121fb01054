#pragma once

// Work over many rows that may be split into independent jobs. The engine starts no thread of its own: the
// caller hands in how the jobs run (one after another by default, or at once on the machine's cores), and
// the engine decides how to split its work into them.

#include <cstddef>
#include <functional>

namespace engine::recipes {

struct ParallelJobs {
    // How many jobs are worth running at once; 1 runs everything on the calling thread.
    std::size_t width = 1;
    // Rows below which a piece of work is not worth a job of its own (its thread's start and a share of
    // its cache would cost more than it saves).
    std::size_t smallest = 4096;
    // Runs job(0) .. job(count - 1), possibly at once on several threads, and returns when all have
    // ended. Null: one after another on the calling thread.
    std::function<void(std::size_t count, const std::function<void(std::size_t job)>& job)> run;

    void Run(std::size_t count, const std::function<void(std::size_t job)>& job) const {
        if (!run || count < 2) {
            for (std::size_t k = 0; k < count; ++k) {
                job(k);
            }
            return;
        }
        run(count, job);
    }

    // Into how many contiguous pieces to cut `rows` rows: no more than width, none below smallest.
    std::size_t Pieces(std::size_t rows) const {
        const std::size_t most = smallest == 0 ? rows : rows / smallest;
        const std::size_t pieces = width < most ? width : most;
        return pieces < 1 ? 1 : pieces;
    }

    // The first row of piece k of `pieces` over `rows` rows; piece k ends where piece k + 1 begins.
    static std::size_t PieceBegin(std::size_t rows, std::size_t pieces, std::size_t k) {
        return rows / pieces * k + (k < rows % pieces ? k : rows % pieces);
    }

    // Cuts rows [0, rows) into `pieces` contiguous pieces and runs work(piece, begin, end) for each as a
    // job of its own.
    void
    RunPieces(std::size_t rows, std::size_t pieces,
              const std::function<void(std::size_t piece, std::size_t begin, std::size_t end)>& work) const {
        Run(pieces, [&](std::size_t piece) {
            work(piece, PieceBegin(rows, pieces, piece), PieceBegin(rows, pieces, piece + 1));
        });
    }
};

} // namespace engine::recipes
