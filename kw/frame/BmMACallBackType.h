#pragma once
// The request kind of the profile-group call-back of the advanced profile dialog.
enum BmMACallBackType : int {
    kBmMACallBackGet = 0,
    kBmMACallBackSet = 1,
    kBmMACallBackHideOwner = 2,
    kBmMACallBackShowOwner = 3,
};
