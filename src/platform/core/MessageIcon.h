#pragma once

// The icon a message is shown with. Logic picks it with the message it makes; only the window that
// shows the message turns it into a picture.
enum class MessageIcon { None, Information, Question, Exclamation, Critical };
