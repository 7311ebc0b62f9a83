#pragma once
// The request kind of the profile-group call-back of the advanced profile dialog:
// 0 read the group's properties into the record, 1 write them (and apply), 2 hide the
// dialog's owner while the user picks in the drawing, 3 show it again.
enum BmMACallBackType : int {
    kBmMACallBackGet = 0,
    kBmMACallBackSet = 1,
    kBmMACallBackHideOwner = 2,
    kBmMACallBackShowOwner = 3,
};
