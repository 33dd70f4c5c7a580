#pragma once

namespace solvara {

class ProgramModel;

// Told before and after the program replaces its model in use (another database file, a reload),
// so that whatever shows or holds parts of the model can let go of the old one and pick up the
// new. Documents need not listen: they keep the model they were made with alive.
class ProgramModelListener {
  public:
    virtual ~ProgramModelListener() = default;
    virtual void programModelAboutToBeReplaced(ProgramModel& old) = 0;
    virtual void programModelReplaced(ProgramModel& current) = 0;
};

}  // namespace solvara
