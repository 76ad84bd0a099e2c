// Placeholder until the emf code lands; removed then.
