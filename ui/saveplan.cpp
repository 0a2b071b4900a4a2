#include "saveplan.h"

SavePlan SavePlan::forSave(const BookPath& bound) {
    SavePlan plan;
    plan.target_ = bound.completed();
    if (plan.target_ != bound && plan.target_.exists()) {
        plan.overwritten_ = plan.target_;
        plan.backupSource_ = plan.target_;
    } else {
        // A bound file that is gone has nothing to keep.
        if (bound.exists()) plan.backupSource_ = bound;
    }
    return plan;
}

SavePlan SavePlan::forSaveAs(const BookPath& chosen) {
    SavePlan plan;
    plan.target_ = chosen.completed();
    if (plan.target_.exists()) plan.overwritten_ = plan.target_;
    return plan;
}
