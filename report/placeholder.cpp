// Placeholder until the engine code lands; removed then.
