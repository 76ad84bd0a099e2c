// Placeholder until the store code lands; removed then.
